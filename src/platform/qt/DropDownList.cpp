#include "platform/qt/DropDownList.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <cmath>

namespace {
// The entry widths that the lists of one window have measured, by font and resolution.
class MeasuredWidths : public QObject {
  public:
    using QObject::QObject;
    QHash<QString, QHash<QString, int>> byFont;
};

QHash<QString, int>& WidthsIn(QWidget* window, const QFont& font) {
    MeasuredWidths* widths = nullptr;
    for (QObject* child : window->children())
        if ((widths = dynamic_cast<MeasuredWidths*>(child))) break;
    if (!widths) widths = new MeasuredWidths(window);
    // A window moved to a screen of another resolution measures afresh.
    return widths->byFont[font.key() + '@' + QString::number(window->logicalDpiX())];
}
} // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {}

bool DropDownList::MeasuresEntries() const {
    return sizeAdjustPolicy() == QComboBox::AdjustToContentsOnFirstShow &&
           minimumContentsLength() == 0;
}

// QComboBox's own measure: the widest entry text (with its icon), the font's height, and what
// the style adds around them.
QSize DropDownList::Measure() const {
    const QFontMetrics metrics = fontMetrics();
    QHash<QString, int>& widths = WidthsIn(window(), font());
    int width = 0;
    bool hasIcon = false;
    const int rows = count();
    if (rows == 0) width = 7 * metrics.horizontalAdvance(u'x');
    for (int i = 0; i < rows; ++i) {
        const QString text = itemText(i);
        auto known = widths.constFind(text);
        if (known == widths.constEnd())
            known = widths.insert(text, metrics.boundingRect(text).width());
        int entryWidth = *known;
        if (!itemIcon(i).isNull()) {
            hasIcon = true;
            entryWidth += iconSize().width() + 4;
        }
        width = std::max(width, entryWidth);
    }
    if (!placeholderText().isEmpty())
        width = std::max(width, metrics.boundingRect(placeholderText()).width());
    QSize hint(width,
               std::max(static_cast<int>(std::ceil(QFontMetricsF(metrics).height())), 14) + 2);
    if (hasIcon) hint.setHeight(std::max(hint.height(), iconSize().height() + 2));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, hint, this);
}

QSize DropDownList::sizeHint() const {
    if (!MeasuresEntries()) return QComboBox::sizeHint();
    if (!hint_) hint_ = Measure();
    return *hint_;
}

QSize DropDownList::minimumSizeHint() const {
    if (!MeasuresEntries()) return QComboBox::minimumSizeHint();
    if (!minimumHint_) minimumHint_ = Measure();
    return *minimumHint_;
}

void DropDownList::showEvent(QShowEvent* event) {
    // QComboBox measures its size hint afresh at its first showing.
    if (!shownOnce_) hint_.reset();
    shownOnce_ = true;
    QComboBox::showEvent(event);
}

void DropDownList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) {
        hint_.reset();
        if (event->type() == QEvent::StyleChange) minimumHint_.reset();
    }
    QComboBox::changeEvent(event);
}
