#include "exchange/InterchangeReportForm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TInterchangeReportForm::TInterchangeReportForm(const QString& file, const QStringList& lines,
                                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("InterchangeReportForm"));
    setWindowTitle(QStringLiteral("Import report"));
    auto* layout = new QVBoxLayout(this);
    SummaryLabel = new QLabel(QStringLiteral("Imported from %1").arg(file), this);
    SummaryLabel->setObjectName(QStringLiteral("SummaryLabel"));
    SummaryLabel->setWordWrap(true);
    layout->addWidget(SummaryLabel);
    ReportMemo = new QPlainTextEdit(this);
    ReportMemo->setObjectName(QStringLiteral("ReportMemo"));
    ReportMemo->setReadOnly(true);
    ReportMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    ReportMemo->setPlainText(lines.join(QLatin1Char('\n')));
    layout->addWidget(ReportMemo);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(640, 360);
}
