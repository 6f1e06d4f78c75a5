// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The controls the windows are built from.
#include "widgets/controls.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace maroleta {

namespace {
    const char* const twipsProperty = "twips";

    QPalette withColor(QPalette palette, QPalette::ColorRole role, quint32 number)
    {
        const QColor color = designColor(number);
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
        palette.setColor(QPalette::Disabled, role, color);
        return palette;
    }

    // Space, Enter and the keypad's Enter: the keys that press whatever has the focus.
    bool isPressKey(const QKeyEvent* event)
    {
        if (event->isAutoRepeat() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    }
}

const Twips& screenTwips()
{
    static const Twips twips(
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->logicalDotsPerInch() : 96.0);
    return twips;
}

void setTwipsGeometry(QWidget* control, const QRect& twips)
{
    control->setProperty(twipsProperty, twips);
    control->setGeometry(screenTwips().toPixels(twips));
}

QRect twipsGeometry(const QWidget* control)
{
    const QVariant stored = control->property(twipsProperty);
    if (stored.isValid())
        return stored.toRect();
    const QRect pixels = control->geometry();
    const Twips& t = screenTwips();
    return QRect(qRound(t.toTwips(pixels.x())), qRound(t.toTwips(pixels.y())), qRound(t.toTwips(pixels.width())),
        qRound(t.toTwips(pixels.height())));
}

void setTwipsPosition(QWidget* control, const QPoint& topLeft)
{
    QRect twips = twipsGeometry(control);
    twips.moveTopLeft(topLeft);
    setTwipsGeometry(control, twips);
}

QFont designFont(const QString& family, double points, bool bold)
{
    Q_UNUSED(family) // every design font is Arial or MS Sans Serif: both become the Arial-metric sans
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont defaultDesignFont() { return designFont(QStringLiteral("MS Sans Serif"), 8.25, false); }

namespace {
    bool captionFits(const QFont& font, const QRect& box, int flags, const QString& text)
    {
        const QFontMetrics metrics(font);
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20), Qt::AlignLeft | flags, text);
        // One line is measured by its ink: its advance counts the space after the last character too.
        const int width
            = needed.height() <= metrics.height() ? metrics.tightBoundingRect(text).width() : needed.width();
        return width <= box.width() && needed.height() - metrics.descent() <= box.height();
    }
}

QString visibleCaption(const QString& text, const QRect& box)
{
    // No glyph of the smallest caption font (6 pt) takes less than 2 x 8 pixels, so no box shows more
    // characters than this; a longer caption (a language line of megabytes) is cut here, before any
    // measuring or drawing, which would otherwise take seconds.
    const qsizetype most = std::max<qsizetype>(64, qsizetype(box.width()) * box.height() / 16);
    return text.size() > most ? text.left(most) : text;
}

QFont fittingFont(const QFont& font, const QRect& box, int flags, const QString& caption)
{
    const QString text = visibleCaption(caption, box);
    if (text.isEmpty() || captionFits(font, box, flags, text))
        return font;
    QFont smaller = font;
    for (double points = font.pointSizeF() - 0.5; points >= 6; points -= 0.5) {
        smaller.setPointSizeF(points);
        if (captionFits(smaller, box, flags, text))
            return smaller;
    }
    return smaller;
}

QString arrayName(const QString& array, int index) { return QStringLiteral("%1(%2)").arg(array).arg(index); }

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
{
}

void CommandButton::setBackColor(quint32 number)
{
    m_backColor = number;
    update();
    Q_EMIT colorChanged();
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    // A plain QPushButton outside a dialog leaves Enter alone; here it presses the button as Space does.
    if (isPressKey(event) && event->key() != Qt::Key_Space) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Only a press sinks the button: a switch (checkable) shows its state by its colour, as the menu does.
    const bool sunken = isDown();
    qDrawWinButton(&painter, rect(), palette(), sunken, nullptr);
    const QRect inner = rect().adjusted(2, 2, -2, -2);
    painter.fillRect(inner, designColor(m_backColor));

    QRect textRect = captionRect();
    if (sunken)
        textRect.translate(1, 1);
    painter.setFont(captionFont());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(
        textRect, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, visibleCaption(text(), textRect));

    // Reached by the keyboard, the button shows a dashed frame in the colour of its caption, plain on any
    // background colour; focus taken by a mouse press shows nothing, as before.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(painter.pen().color(), height() >= 30 ? 2 : 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

QFont CommandButton::captionFont() const
{
    return fittingFont(font(), captionRect(), Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

Label::Label(QWidget* parent)
    : QLabel(parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setForeColor(DesignColor::SystemWindowText);
}

void Label::setForeColor(quint32 number)
{
    m_foreColor = number;
    setPalette(withColor(palette(), QPalette::WindowText, number));
    Q_EMIT colorChanged();
}

void Label::setBackColor(quint32 number)
{
    setPalette(withColor(palette(), QPalette::Window, number));
    setAutoFillBackground(true);
}

QFont Label::captionFont() const
{
    return fittingFont(font(), contentsRect(), wordWrap() ? Qt::TextWordWrap : 0, text());
}

void Label::paintEvent(QPaintEvent* event)
{
    const QFont shown = captionFont();
    if (shown == font()) {
        QLabel::paintEvent(event);
    } else {
        QPainter painter(this);
        painter.setFont(shown);
        style()->drawItemText(&painter, contentsRect(), int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0),
            palette(), isEnabled(), visibleCaption(text(), contentsRect()), foregroundRole());
    }
    if (hasFocus()) {
        // A dashed frame in the colour of the text: it shows on whatever background the label stands.
        QPainter painter(this);
        painter.setPen(QPen(designColor(m_foreColor), 2, Qt::DashLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void Label::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}

void Label::keyPressEvent(QKeyEvent* event)
{
    if ((focusPolicy() & Qt::TabFocus) && isPressKey(event)) {
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

Label* makeNumberLabel(QWidget* parent, const QString& name, const QRect& twips, const QString& caption)
{
    auto* label = makeControl<Label>(parent, name, twips);
    label->setFont(designFont(QStringLiteral("Arial"), 18, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(false);
    label->setText(caption);
    return label;
}

Frame::Frame(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackColor(DesignColor::SystemButtonFace);
}

void Frame::setBackColor(quint32 number)
{
    m_backColor = number;
    setPalette(withColor(palette(), QPalette::Window, number));
}

OptionButton::OptionButton(QWidget* parent)
    : QRadioButton(parent)
{
    // A radio button fills with its button colour by default; its background colour is the window one.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void OptionButton::setBackColor(quint32 number)
{
    m_backColor = number;
    setPalette(withColor(palette(), QPalette::Window, number));
}

void OptionButton::setForeColor(quint32 number) { setPalette(withColor(palette(), QPalette::WindowText, number)); }

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    if (isPressKey(event) && event->key() != Qt::Key_Space) {
        click();
        return;
    }
    QRadioButton::keyPressEvent(event);
}

ListBox::ListBox(QWidget* parent)
    : QListWidget(parent)
{
}

void ListBox::setColors(quint32 backColor, quint32 foreColor)
{
    setPalette(withColor(withColor(palette(), QPalette::Base, backColor), QPalette::Text, foreColor));
}

LineShape::LineShape(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::setLine(int x1, int y1, int x2, int y2)
{
    m_line = QLine(x1, y1, x2, y2);
    place();
}

void LineShape::setBorderWidth(int pixels)
{
    m_width = std::max(1, pixels);
    place();
}

void LineShape::setBorderColor(quint32 number)
{
    m_color = number;
    update();
}

void LineShape::place()
{
    const Twips& t = screenTwips();
    const QPoint p1(t.toPixels(m_line.x1()), t.toPixels(m_line.y1()));
    const QPoint p2(t.toPixels(m_line.x2()), t.toPixels(m_line.y2()));
    const int margin = m_width / 2 + 1;
    const QRect box = QRect(p1, p2).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
}

LineShape* makeStroke(QWidget* parent, const QString& name, const QLine& twips, int width)
{
    auto* stroke = makeControl<LineShape>(parent, name);
    stroke->setLine(twips.x1(), twips.y1(), twips.x2(), twips.y2());
    stroke->setBorderWidth(width);
    return stroke;
}

void LineShape::paintEvent(QPaintEvent*)
{
    const Twips& t = screenTwips();
    const QPoint origin = geometry().topLeft();
    const QPoint p1 = QPoint(t.toPixels(m_line.x1()), t.toPixels(m_line.y1())) - origin;
    const QPoint p2 = QPoint(t.toPixels(m_line.x2()), t.toPixels(m_line.y2())) - origin;
    QPainter painter(this);
    painter.setPen(QPen(designColor(m_color), m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(p1, p2);
}

ShapeOutline::ShapeOutline(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeOutline::setBorderColor(quint32 number)
{
    m_color = number;
    update();
}

void ShapeOutline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(designColor(m_color));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    m_image = QImage(1, 1, QImage::Format_RGB32);
    m_image.fill(Qt::white);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // The image carries its pixel ratio, so it covers the drawable area one screen pixel per image pixel.
    painter.drawImage(contentsRect().topLeft(), m_image);
    if (hasFocus() && !m_spots.empty()) {
        // A black ring with a white one inside shows on blue, white and grey alike.
        const QPointF centre = widgetPointOf(m_spots[std::size_t(m_chosen)]);
        painter.setClipRect(contentsRect());
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawEllipse(centre, 9.0, 9.0);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawEllipse(centre, 6.0, 6.0);
    }
}

void PictureBox::setKeyboardSpots(std::vector<QPoint> spots)
{
    m_spots = std::move(spots);
    if (m_chosen >= int(m_spots.size()))
        m_chosen = 0;
    setFocusPolicy(m_spots.empty() ? Qt::NoFocus : Qt::TabFocus);
    update();
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    const int count = int(m_spots.size());
    if (count == 0) {
        QFrame::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_chosen = (m_chosen + 1) % count;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        m_chosen = (m_chosen + count - 1) % count;
        break;
    case Qt::Key_Home:
        m_chosen = 0;
        break;
    case Qt::Key_End:
        m_chosen = count - 1;
        break;
    default:
        if (!isPressKey(event)) {
            QFrame::keyPressEvent(event);
            return;
        }
        // The very press a click on the spot makes: whatever handles clicks reads the image there.
        Q_EMIT mouseDown(Qt::LeftButton, m_spots[std::size_t(m_chosen)]);
        update();
        return;
    }
    update();
    Q_EMIT spotChosen(m_chosen);
}

QImage& PictureBox::image()
{
    // The geometry is known as soon as the layout sets it, shown or not, so a hidden picture can be drawn.
    // The ratio is the one of the screen the window is on; an image of the right layout size made on
    // another screen keeps its pixels (and its drawing) rather than starting white.
    const QSize layoutSize = contentsRect().size().expandedTo(QSize(1, 1));
    const double ratio = devicePixelRatioF() > 0 ? devicePixelRatioF() : 1.0;
    const QSize pixels = (QSizeF(layoutSize) * ratio).toSize().expandedTo(QSize(1, 1));
    const QSize current = (QSizeF(m_image.size()) / m_image.devicePixelRatio()).toSize();
    if (pixels != m_image.size() && current != layoutSize) {
        m_image = QImage(pixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_image.fill(Qt::white);
    }
    return m_image;
}

QPoint PictureBox::imagePixelAt(QPointF widgetPoint) const
{
    const QPointF inImage = (widgetPoint - QPointF(contentsRect().topLeft())) * m_image.devicePixelRatio();
    return QPoint(int(std::floor(inImage.x())), int(std::floor(inImage.y())));
}

QPointF PictureBox::widgetPointOf(QPoint imagePixel) const
{
    return QPointF(contentsRect().topLeft()) + (QPointF(imagePixel) + QPointF(0.5, 0.5)) / m_image.devicePixelRatio();
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mouseDown(event->button(), imagePixelAt(event->position()));
}

} // namespace maroleta
