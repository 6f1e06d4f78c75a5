// Controls the learning screens build alike.
#include "learn/learncontrols.h"

#include "logic/captions.h"

namespace maroleta {

bool stepBaseTerm(Label* term, int index, double smallest)
{
    const double value = captionValue(term->text());
    const double next = index == 0 ? value + 1 : value - 1;
    if ((index != 0 && index != 1) || next > kLargestBaseTerm || next < smallest)
        return false;
    term->setText(numberCaption(next));
    return true;
}

Label* makeNumberLabel(QWidget* parent, const QString& name, int left, int top, int width, const QString& caption)
{
    auto* label = makeControl<Label>(parent, name, QRect(left, top, width, 495));
    label->setFont(designFont(QStringLiteral("Arial"), 18, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(false);
    label->setText(caption);
    return label;
}

LineShape* makeStroke(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2)
{
    auto* stroke = makeControl<LineShape>(parent, name);
    stroke->setLine(x1, y1, x2, y2);
    stroke->setBorderWidth(3);
    return stroke;
}

} // namespace maroleta
