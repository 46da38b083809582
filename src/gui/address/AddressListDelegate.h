#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStyledItemDelegate>

#include <vector>

class QStyle;

// Paints the address list's cells as the common item painting of the Fusion and Windows styles
// does (the style's own background, the text elided at the right, the same margins and
// colours), but lays out each text once and keeps the laid-out glyphs: the style would shape
// every visible text three times on each repaint, which made a keystroke in the find box slow.
// Cells with more than one line, a check box, an icon or a focus frame of their own, and the
// cells of other styles, get the style's own painting.
class AddressListDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    // How many laid-out texts are kept at most; past that the kept ones are dropped at once.
    static constexpr int kMaxKeptTexts = 4096;

    // A text as it is shown at one width: the same text at the same width, font and alignment
    // always looks the same, whichever row or column shows it.
    struct TextKey {
        QString text;
        int width = 0;
        int layout = 0; // alignment, direction and elide mode
        friend bool operator==(const TextKey&, const TextKey&) = default;
        friend size_t qHash(const TextKey& key, size_t seed = 0) {
            return qHashMulti(seed, key.text, key.width, key.layout);
        }
    };
    struct LaidOutText {
        QList<QGlyphRun> glyphs; // placed from the top left of the text's box
        QRectF ink;              // around the glyphs, from the same corner
        qreal height = 0;
    };

    static bool drawsPlainText(const QStyleOptionViewItem& option, const QStyle& style);
    // Drops what was laid out in another font or for another screen resolution.
    void useFont(const QFont& font) const;
    // True when the text's width, guessed from the widths of its characters, exceeds `width`
    // by so much that it must be elided; false also when the guess cannot be made.
    bool surelyWiderThan(const QString& text, int width) const;
    const LaidOutText& laidOut(const QStyleOptionViewItem& option, int width) const;

    mutable QFont keptFont_;
    mutable qreal keptDpi_ = 0;
    mutable std::vector<qreal> latinAdvances_; // by character below U+0100, -1 when unknown
    mutable QHash<TextKey, LaidOutText> kept_;
};
