// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The controls the windows are built from: buttons that show their background colour, labels, frames,
// option buttons, list boxes, line strokes, outline shapes and drawing areas with a persistent image.
// Every control is placed in twips and carries its design name as its objectName ("Command1(7)").
#pragma once

#include "logic/colors.h"
#include "logic/twips.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace maroleta {

// Twips of the screen the program runs on (the primary screen's logical DPI).
const Twips& screenTwips();

// Places a control by its design rectangle in twips, relative to its container.
void setTwipsGeometry(QWidget* control, const QRect& twips);
// The design rectangle last given to a control (its pixel geometry converted back when it never had one).
QRect twipsGeometry(const QWidget* control);
void setTwipsPosition(QWidget* control, const QPoint& topLeft);

// A design font: "MS Sans Serif" and "Arial" become the Arial-metric sans font of the machine.
QFont designFont(const QString& family, double points, bool bold);
// The system font of buttons and labels that the design leaves at their default.
QFont defaultDesignFont();

// The font a caption is drawn in: `font` itself when the caption fits `box`, else the largest smaller
// size that fits (down to 6 points), so that a long word of another language is not cut at the edge.
// A caption fits when its lines fit across and, down, all but the descent of its last line fits.
QFont fittingFont(const QFont& font, const QRect& box, int flags, const QString& text);
// The part of a caption that can show in `box` at all: the caption itself unless it is absurdly long.
QString visibleCaption(const QString& text, const QRect& box);

// The design name of element `index` of the control array `array`: "Command1(7)".
QString arrayName(const QString& array, int index);

template <typename Control> Control* makeControl(QWidget* parent, const QString& name, const QRect& twips = {})
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setFont(defaultDesignFont());
    if (!twips.isNull())
        setTwipsGeometry(control, twips);
    return control;
}

// A button that shows its background colour and wraps its caption over several lines when it must.
// Space and Enter press it as a click does.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);
    void setBackColor(quint32 designColor);
    quint32 backColor() const { return m_backColor; }
    // The font the caption is drawn in (smaller than font() only when the caption would not fit).
    QFont captionFont() const;

Q_SIGNALS:
    void colorChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect captionRect() const { return rect().adjusted(3, 2, -3, -2); }
    quint32 m_backColor = DesignColor::SystemButtonFace;
};

// A label: text over its container's background unless it has a colour of its own; it can be clicked.
// A label that takes Tab focus is clicked with Space or Enter too, and shows a focus mark while focused.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    void setForeColor(quint32 designColor);
    quint32 foreColor() const { return m_foreColor; }
    void setBackColor(quint32 designColor);
    // The font the caption is drawn in (smaller than font() only when the caption would not fit).
    QFont captionFont() const;

Q_SIGNALS:
    void clicked();
    void colorChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    quint32 m_foreColor = DesignColor::SystemWindowText;
    bool m_pressed = false;
};

// A number of a fraction: Arial bold 18 pt, on one line, centred at the top of its place.
Label* makeNumberLabel(QWidget* parent, const QString& name, const QRect& twips, const QString& caption = {});

// A frame without caption: a container with its own background colour.
class Frame : public QFrame {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr);
    void setBackColor(quint32 designColor);
    quint32 backColor() const { return m_backColor; }

private:
    quint32 m_backColor = DesignColor::SystemButtonFace;
};

// An option button with a background colour; Enter chooses it as Space and a click do.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
    void setBackColor(quint32 designColor);
    quint32 backColor() const { return m_backColor; }
    void setForeColor(quint32 designColor);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    quint32 m_backColor = DesignColor::SystemButtonFace;
};

// A list box with its own background and text colours.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    void setColors(quint32 backColor, quint32 foreColor);
};

// A straight stroke from (x1, y1) to (x2, y2), in twips of its container, some pixels wide.
// It takes no mouse input, so whatever lies under it stays clickable.
class LineShape : public QWidget {
    Q_OBJECT
public:
    explicit LineShape(QWidget* parent = nullptr);
    void setLine(int x1, int y1, int x2, int y2);
    void setBorderWidth(int pixels);
    void setBorderColor(quint32 designColor);
    QLine twipsLine() const { return m_line; }
    int borderWidth() const { return m_width; }
    quint32 borderColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    QLine m_line;
    int m_width = 1;
    quint32 m_color = DesignColor::Black;
};

// A fraction bar or a stroke of a sign, `width` pixels wide, in black until it is given a colour.
LineShape* makeStroke(QWidget* parent, const QString& name, const QLine& twips, int width = 3);

// A rectangle outline.
class ShapeOutline : public QWidget {
    Q_OBJECT
public:
    explicit ShapeOutline(QWidget* parent = nullptr);
    void setBorderColor(quint32 designColor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 m_color = DesignColor::Black;
};

// A drawing area with a persistent image: what is drawn into image() stays until it is drawn over,
// whether the area is covered, hidden or shown again. Coordinates are pixels of the image, which are the
// screen's own pixels: under display scaling (150 %) the image has 1.5 pixels for each pixel of the
// layout, so the circles are drawn sharp, not enlarged, and every click still lands on the pixel under
// the pointer. At 100 % an image pixel is a layout pixel.
// Given keyboard spots (image pixels), it takes Tab focus: the arrow keys choose a spot, shown by a focus
// mark painted over the image (never into it), and Space or Enter presses the left button there, as a
// click on it does.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // The image, sized to the drawable area in screen pixels (a new size starts a new, white image).
    QImage& image();
    const QImage& image() const { return m_image; }
    // Call after drawing into image().
    void refresh() { update(); }
    // The points of the image the keyboard can press, in the order the arrow keys step through them.
    // The chosen spot stays where it is when it still exists.
    void setKeyboardSpots(std::vector<QPoint> spots);
    const std::vector<QPoint>& keyboardSpots() const { return m_spots; }
    int chosenSpot() const { return m_chosen; }

    // The image pixel under a point of the widget (layout pixels, fractions allowed), and back: the
    // widget point at the middle of an image pixel.
    QPoint imagePixelAt(QPointF widgetPoint) const;
    QPointF widgetPointOf(QPoint imagePixel) const;

Q_SIGNALS:
    // A mouse press; `position` is the image pixel under the pointer.
    void mouseDown(Qt::MouseButton button, QPoint position);
    // The keyboard chose keyboard spot `index` (an arrow key, Home or End).
    void spotChosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_image;
    std::vector<QPoint> m_spots;
    int m_chosen = 0;
};

} // namespace maroleta
