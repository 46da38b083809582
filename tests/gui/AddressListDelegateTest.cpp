// The address list paints its cells itself, keeping laid-out texts between repaints. Each case
// grabs the list and then grabs it again with the style's own item painting (the plain
// delegate) in its place: the two pictures must be the same, pixel for pixel, after a
// selection, in a narrow column, after a refill, a column resize and a font change.
#include "FakePaneHost.h"
#include "FakeServices.h"
#include "address/AddressList.h"
#include "address/AddressPane.h"
#include "platform/StoredText.h"
#include "storage/ContactRecords.h"
#include "support/Records.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTreeView>

#include <cstdlib>
#include <memory>

using namespace trevik;

class AddressListDelegateTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<FakePaneHost> host;
    AddressPane* pane = nullptr;

    std::int32_t addContact(const char* name, const char* email = "", const char* home = "",
                            const char* address = "") {
        Contact contact = test::contactRecord(name, email);
        contact.home = home;
        contact.address = address;
        return trevik::addContact(env->dataPath(), contact, env->clock, 1).id;
    }

    QTreeView* view() { return pane->AddressView; }

    void open() {
        host = std::make_unique<FakePaneHost>();
        host->view.activePane = Pane::Address;
        pane = new AddressPane(*host, env->services, &host->window, new QWidget(&host->window));
        host->onRefresh = [this](Change what) {
            if (has(what, Change::Contacts)) {
                refill(host->find);
            }
        };
        pane->ApplyAddressColumns();
        view()->setGeometry(0, 0, 600, 260);
        host->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host->window));
    }

    void refill(const QString& filter) {
        host->find = filter;
        pane->RefillAddressList(filter);
        pane->SortBy(host->view.sortColumn);
    }

    // The list once the view has laid out what the last change left pending: the delayed
    // layout runs from a timer and may show or hide a scroll bar after it, later on a busy
    // machine, so the picture is taken when two in a row agree.
    QImage grabList() {
        QImage last;
        for (int tries = 0; tries < 100; ++tries) {
            QTest::qWait(10);
            QImage picture = view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            if (picture == last) {
                break;
            }
            last = std::move(picture);
        }
        return last;
    }

    // The list as the style paints it itself, for the moment of one grab.
    QImage grabAsTheStyleDoes() {
        QAbstractItemDelegate* own = view()->itemDelegate();
        QStyledItemDelegate plain;
        view()->setItemDelegate(&plain);
        const QImage picture = grabList();
        view()->setItemDelegate(own);
        return picture;
    }

    // Grabs twice, so that the second picture is painted from the kept texts.
    void comparePaintingWithTheStyle() {
        const QImage first = grabList();
        const QImage again = grabList();
        const QImage style = grabAsTheStyleDoes();
        QCOMPARE(first, style);
        QCOMPARE(again, style);
    }

    // The colour in the middle of a cell, in the list's own picture.
    QRgb cellColour(const QImage& picture, int row, int column) {
        const QRect cell = view()->visualRect(view()->model()->index(row, column));
        return picture.pixel(view()->viewport()->mapTo(view(), cell.center()));
    }

    // The style may shade a fill by a step or two.
    static bool near(QRgb pixel, const QColor& colour) {
        return std::abs(qRed(pixel) - colour.red()) <= 3 &&
               std::abs(qGreen(pixel) - colour.green()) <= 3 &&
               std::abs(qBlue(pixel) - colour.blue()) <= 3;
    }

    // Whether the text of the cell left any ink, i.e. pixels that are not the background.
    bool cellHasInk(const QImage& picture, int row, int column) {
        const QRect cell = view()->visualRect(view()->model()->index(row, column));
        const QRgb background = cellColour(picture, row, 2); // the Work column is empty
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                if (picture.pixel(view()->viewport()->mapTo(view(), QPoint(x, y))) != background) {
                    return true;
                }
            }
        }
        return false;
    }

    // The first listed contact whose name starts so.
    int rowOf(const QString& name) {
        for (int row = 0; row < pane->rowCount(); ++row) {
            if (fromStored(pane->contactAt(row).name).startsWith(name)) {
                return row;
            }
        }
        return -1;
    }

private slots:
    void init() {
        env = std::make_unique<FakeEnvironment>();
        addContact("Mary", "mary@example.org", "030 100001", "Street 1\r\nTown");
        addContact("J\xFCrgen Wei\xDF", "juergen.weiss@example.de", "089 123456");
        addContact("\x8Aime \x8Eu\x9Ei", "sime@example.hr", "", "Ilica 1\r\nZagreb");
        addContact("\xC9lodie \x9Cuvre", "elodie@example.fr");
        addContact("Maximiliane-Friederike von Hohenzollern-Sigmaringen",
                   "maximiliane-friederike.von.hohenzollern@sigmaringen.example.com",
                   "+49 7571 729 0000 ext. 1234",
                   "Karl-Anton-Platz 2\r\n72488 Sigmaringen\r\nBaden-W\xFCrttemberg");
        // Blanks at the end count towards the width, as the style counts them.
        addContact("Ann                              ", "ann@example.org");
        addContact("Zo\xEB \x80 100 \x85", "zoe@example.org");
    }

    void cleanup() {
        host.reset();
        pane = nullptr;
        env.reset();
    }

    void selectedRowsAreHighlightedAsTheStyleDoes() {
        open();
        QPalette palette = view()->palette();
        palette.setColor(QPalette::Active, QPalette::Highlight, QColor(200, 30, 30));
        palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(30, 160, 30));
        view()->setPalette(palette);
        host->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host->window));
        pane->SelectRow(1);
        view()->selectionModel()->select(view()->model()->index(3, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        comparePaintingWithTheStyle();
        const QImage picture = grabList();
        QVERIFY(near(cellColour(picture, 1, 2), QColor(200, 30, 30)));
        QVERIFY(near(cellColour(picture, 3, 2), QColor(200, 30, 30)));
        QVERIFY(near(cellColour(picture, 2, 2), palette.color(QPalette::Active, QPalette::Base)));
        QVERIFY(cellHasInk(picture, 1, 0));
    }

    void aSelectionInAnInactiveWindowHasTheInactiveColours() {
        open();
        QPalette palette = view()->palette();
        palette.setColor(QPalette::Active, QPalette::Highlight, QColor(200, 30, 30));
        palette.setColor(QPalette::Active, QPalette::HighlightedText, QColor(255, 255, 0));
        palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(30, 160, 30));
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText, QColor(0, 0, 90));
        view()->setPalette(palette);
        pane->SelectRow(2);
        QWidget other;
        other.resize(100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!view()->isActiveWindow());
        comparePaintingWithTheStyle();
        const QImage picture = grabList();
        QVERIFY(near(cellColour(picture, 2, 2), QColor(30, 160, 30)));
        // The text of the selected row is drawn in the inactive highlighted-text colour.
        bool inked = false;
        const QRect cell = view()->visualRect(view()->model()->index(2, 0));
        for (int x = cell.left(); x <= cell.right() && !inked; ++x) {
            for (int y = cell.top(); y <= cell.bottom() && !inked; ++y) {
                inked = picture.pixel(view()->viewport()->mapTo(view(), QPoint(x, y))) ==
                        QColor(0, 0, 90).rgb();
            }
        }
        QVERIFY(inked);
    }

    void longTextsAreElidedAsTheStyleElidesThem() {
        open();
        const int longest = rowOf(QStringLiteral("Maximiliane"));
        QVERIFY(longest >= 0);
        pane->SelectRow(longest);
        // Columns narrower than the text, than an ellipsis, and than the margins.
        const std::array<int, kAddressColumnCount> widths = {70, 40, 1, 4, 8, 12, 30, 90, 20};
        for (int column = 0; column < kAddressColumnCount; ++column) {
            view()->header()->resizeSection(column, widths[std::size_t(column)]);
        }
        comparePaintingWithTheStyle();
        QVERIFY(cellHasInk(grabList(), longest, 0));
        // Wide enough for every text: nothing is elided, still as the style paints.
        for (int column = 0; column < kAddressColumnCount; ++column) {
            view()->header()->resizeSection(column, 420);
        }
        view()->resize(4000, 260);
        comparePaintingWithTheStyle();
    }

    void theKeptTextsFollowARefill() {
        open();
        comparePaintingWithTheStyle();
        // The same row and width with another text.
        const int row = rowOf(QStringLiteral("Mary"));
        Contact mary = pane->contactAt(row);
        mary.name = "Mara";
        mary.email = "mara@example.org";
        QVERIFY(changeContact({}, mary, env->clock).ok());
        refill(QString());
        QCOMPARE(fromStored(pane->contactAt(rowOf(QStringLiteral("Mara"))).name),
                 QStringLiteral("Mara"));
        comparePaintingWithTheStyle();
        // Fewer rows, then all of them again.
        refill(QStringLiteral("M"));
        QCOMPARE(pane->rowCount(), 2);
        comparePaintingWithTheStyle();
        refill(QString());
        comparePaintingWithTheStyle();
    }

    void theKeptTextsFollowAColumnResize() {
        open();
        comparePaintingWithTheStyle();
        for (const int width : {30, 55, 160, 12}) {
            view()->header()->resizeSection(0, width);
            view()->header()->resizeSection(5, width);
            comparePaintingWithTheStyle();
        }
    }

    void theKeptTextsFollowAFontChange() {
        open();
        comparePaintingWithTheStyle();
        QFont larger = view()->font();
        larger.setPointSizeF(larger.pointSizeF() * 1.5);
        view()->setFont(larger);
        comparePaintingWithTheStyle();
        QFont bold = view()->font();
        bold.setBold(true);
        view()->setFont(bold);
        comparePaintingWithTheStyle();
    }

    void theWindowsStyleIsPaintedAsItPaintsItself() {
        open();
        std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
        QVERIFY(windows != nullptr);
        view()->setStyle(windows.get());
        pane->SelectRow(0);
        view()->header()->resizeSection(0, 60);
        comparePaintingWithTheStyle();
        view()->setStyle(nullptr);
    }

    void anotherStyleKeepsItsOwnItemPainting() {
        // A style that draws items its own way: the list leaves them to it.
        class Marking final : public QProxyStyle {
        public:
            using QProxyStyle::QProxyStyle;
            void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const override {
                QProxyStyle::drawControl(element, option, painter, widget);
                if (element == CE_ItemViewItem) {
                    painter->fillRect(option->rect.adjusted(0, 0, 0, -option->rect.height() + 2),
                                      Qt::magenta);
                }
            }
        };
        open();
        Marking marking(QStyleFactory::create(QStringLiteral("Fusion")));
        view()->setStyle(&marking);
        comparePaintingWithTheStyle();
        // The style's own mark is there.
        const QImage picture = grabList();
        bool marked = false;
        for (int y = 0; y < picture.height() && !marked; ++y) {
            for (int x = 0; x < picture.width() && !marked; ++x) {
                marked = picture.pixel(x, y) == QColor(Qt::magenta).rgb();
            }
        }
        QVERIFY(marked);
        view()->setStyle(nullptr);
    }
};

QTEST_MAIN(AddressListDelegateTest)
#include "AddressListDelegateTest.moc"
