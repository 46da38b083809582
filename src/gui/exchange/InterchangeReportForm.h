#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;

// What an import of a vCard or iCalendar file did: the counts, then each item that did not go
// in whole with its UID and the reason.
class TInterchangeReportForm : public QDialog {
public:
    TInterchangeReportForm(const QString& file, const QStringList& lines, QWidget* parent);

    QLabel* SummaryLabel = nullptr;
    QPlainTextEdit* ReportMemo = nullptr;
};
