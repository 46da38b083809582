#include "address/AddressListDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QScreen>
#include <QStyle>
#include <QTextLayout>
#include <QTextOption>

#include <cstring>

namespace {

// Lays the text out on one line of the given width, as the item painting does.
void layOutLine(QTextLayout& layout, int width) {
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
}

// Where the glyphs put ink, with a pixel around for the smoothing of their edges.
QRectF inkOf(const QList<QGlyphRun>& glyphs) {
    QRectF ink;
    for (const QGlyphRun& run : glyphs) {
        const QRawFont font = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            ink |= font.boundingRect(indexes[i]).translated(positions[i]);
        }
    }
    return ink.adjusted(-1, -1, 1, 1);
}

} // namespace

bool AddressListDelegate::drawsPlainText(const QStyleOptionViewItem& option, const QStyle& style) {
    // Only these two leave the item to the common painting this class copies; a proxy or
    // another style may draw items its own way.
    const char* styleClass = style.metaObject()->className();
    if (std::strcmp(styleClass, "QFusionStyle") != 0 &&
        std::strcmp(styleClass, "QWindowsStyle") != 0) {
        return false;
    }
    const auto others = QStyleOptionViewItem::HasCheckIndicator |
                        QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::WrapText;
    return !(option.features & others) &&
           !(option.state & (QStyle::State_HasFocus | QStyle::State_Editing)) &&
           !option.text.contains(QChar::LineSeparator);
}

void AddressListDelegate::useFont(const QFont& font) const {
    // A text is laid out for the main screen's resolution, which a font does not tell.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 0;
    if (font == keptFont_ && dpi == keptDpi_ && !latinAdvances_.empty()) {
        return;
    }
    kept_.clear();
    keptFont_ = font;
    keptDpi_ = dpi;
    // The widths the guess adds up; a character the font's own face lacks has none, as its
    // fallback face may be taller.
    const QRawFont face = QRawFont::fromFont(font);
    const QFontMetricsF metrics(font);
    latinAdvances_.assign(256, -1);
    for (char16_t c = 0x20; c < 0x100; ++c) {
        const QChar ch(c);
        if (ch.isPrint() && face.supportsCharacter(ch)) {
            latinAdvances_[c] = metrics.horizontalAdvance(ch);
        }
    }
}

bool AddressListDelegate::surelyWiderThan(const QString& text, int width) const {
    // Kerning narrows a line by far less than a quarter.
    qreal sum = 0;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c >= latinAdvances_.size() || latinAdvances_[c] < 0) {
            return false;
        }
        sum += latinAdvances_[c];
    }
    return sum > 1.25 * width + 4;
}

const AddressListDelegate::LaidOutText&
AddressListDelegate::laidOut(const QStyleOptionViewItem& option, int width) const {
    useFont(option.font);
    TextKey key{option.text, width,
                int(option.displayAlignment) | int(option.direction) << 16 |
                    int(option.textElideMode) << 20};
    if (const auto found = kept_.constFind(key); found != kept_.cend()) {
        return *found;
    }
    if (kept_.size() >= kMaxKeptTexts) {
        kept_.clear();
    }
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));
    // The variant flag keeps the text whole, as the style's eliding does.
    const auto elide = [&] {
        return QFontMetrics(option.font)
            .elidedText(option.text, option.textElideMode, width, Qt::TextLongestVariant);
    };
    LaidOutText text;
    // Shaping is the dear part: a text far too wide for its column is elided straight away
    // instead of being laid out whole first only to learn that it does not fit.
    const bool elideFirst = surelyWiderThan(option.text, width);
    QTextLayout layout(elideFirst ? elide() : option.text, option.font);
    layout.setTextOption(textOption);
    layOutLine(layout, width);
    // The box is placed by the height of the whole text, which is that of the elided one
    // when the font's own face has all its characters.
    text.height = layout.boundingRect().height();
    if (!elideFirst && layout.lineCount() > 0 && layout.lineAt(0).naturalTextWidth() > width) {
        QTextLayout elided(elide(), option.font);
        elided.setTextOption(textOption);
        layOutLine(elided, width);
        text.glyphs = elided.glyphRuns();
    } else {
        text.glyphs = layout.glyphRuns();
    }
    text.ink = inkOf(text.glyphs);
    return *kept_.insert(std::move(key), std::move(text));
}

void AddressListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    if (!drawsPlainText(opt, *style)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    if (opt.text.isEmpty()) {
        return;
    }
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect box = opt.rect.adjusted(margin, 0, -margin, 0);
    const LaidOutText& text = laidOut(opt, box.width());
    const int top = QStyle::alignedRect(Qt::LayoutDirectionAuto, opt.displayAlignment,
                                        QSizeF(box.width(), text.height).toSize(), box)
                        .top();

    QPalette::ColorGroup group =
        (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active)) {
        group = QPalette::Inactive;
    }
    const QPen pen = painter->pen();
    painter->setPen(opt.palette.color(
        group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    // The style clips every cell; the clip is set only where the ink reaches the cell's
    // edge (an accent on a capital, an ellipsis in a column narrower than itself).
    const QPointF origin(box.left(), top);
    const bool clipped = !QRectF(opt.rect).contains(text.ink.translated(origin));
    if (clipped) {
        painter->save();
        painter->setClipRect(opt.rect, Qt::IntersectClip);
    }
    for (const QGlyphRun& run : text.glyphs) {
        painter->drawGlyphRun(origin, run);
    }
    if (clipped) {
        painter->restore();
    }
    painter->setPen(pen);
}
