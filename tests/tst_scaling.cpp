// The real window at 150 % display scaling: CTest runs this program with QT_SCALE_FACTOR=1.5 on an
// offscreen screen of 1920 x 1440 pixels, which the layout sees as 1280 x 960.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/canvas.h"
#include "logic/fractiondrawing.h"
#include "logic/languagefiles.h"
#include "results/form3.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>

using namespace maroleta;

namespace {
constexpr double kScale = 1.5;

// Why the caption of a control does not fit the box it is drawn in, or an empty string when it fits.
// The lines must fit across (a word wider than the box is cut at its edge); down, the descent of the
// last line may reach past the box (figures and capitals have none), as it does in the design's own
// number boxes at 100 %. With `sameFont` the caption must also be drawn in the control's own font.
QString overflow(const QWidget* control, bool sameFont)
{
    QString text;
    QRect box;
    QFont font;
    int flags = Qt::TextWordWrap;
    if (const auto* label = qobject_cast<const Label*>(control)) {
        text = label->text();
        box = label->contentsRect();
        font = label->captionFont();
        if (!label->wordWrap())
            flags = 0;
    } else if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
        const QSize wanted = option->sizeHint();
        if (!option->text().isEmpty() && (wanted.width() > option->width() || wanted.height() > option->height()))
            return QStringLiteral("%1: \"%2\" wants %3 x %4, has %5 x %6")
                .arg(control->objectName(), option->text())
                .arg(wanted.width())
                .arg(wanted.height())
                .arg(option->width())
                .arg(option->height());
        return {};
    } else if (const auto* button = qobject_cast<const CommandButton*>(control)) {
        text = button->text();
        box = button->rect().adjusted(3, 2, -3, -2); // inside the raised border
        font = button->captionFont();
    }
    if (text.isEmpty())
        return {};
    if (sameFont && font != control->font())
        return QStringLiteral("%1: \"%2\" drawn in %3 points instead of %4")
            .arg(control->objectName(), text)
            .arg(font.pointSizeF())
            .arg(control->font().pointSizeF());
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20), Qt::AlignLeft | flags, text);
    // One line is measured by its ink: its advance counts the space after the last character too.
    const int width = needed.height() <= metrics.height() ? metrics.tightBoundingRect(text).width() : needed.width();
    if (width <= box.width() && needed.height() - metrics.descent() <= box.height())
        return {};
    return QStringLiteral("%1: \"%2\" needs %3 x %4, has %5 x %6")
        .arg(control->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(box.width())
        .arg(box.height());
}

QStringList overflows(const QWidget* window, bool sameFont = true)
{
    QStringList found;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const QString why = overflow(control, sameFont);
        if (!why.isEmpty())
            found << why;
    }
    return found;
}

// The colour the pupil sees at a point of a widget (layout pixels), read from the widget as drawn on
// the screen, in screen pixels.
quint32 shownColour(QWidget* widget, QPoint point)
{
    const QImage shown = widget->grab().toImage();
    const QPoint pixel(int(point.x() * shown.devicePixelRatio()), int(point.y() * shown.devicePixelRatio()));
    const QRgb rgb = shown.pixel(pixel);
    return quint32(qRed(rgb)) | quint32(qGreen(rgb)) << 8 | quint32(qBlue(rgb)) << 16;
}
}

class TestScaling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(qFuzzyCompare(qApp->devicePixelRatio(), kScale), "run through CTest: it sets QT_SCALE_FACTOR=1.5");
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(1280, 960));
    }

    void layoutKeepsItsTwips()
    {
        testing::Program p;
        Form1& f = *p.form;
        // Twips and fonts go by the logical 96 dots an inch at any scaling: 15 twips a layout pixel.
        QCOMPARE(screenTwips().perPixel(), 15.0);
        // Every control placed in twips sits at those twips in layout pixels, so the whole window is the
        // 100 % window enlarged 1.5 times on the screen.
        for (QWidget* control : f.findChildren<QWidget*>()) {
            if (!control->property("twips").isValid() || qobject_cast<LineShape*>(control))
                continue;
            QCOMPARE(control->geometry(), screenTwips().toPixels(twipsGeometry(control)));
            QCOMPARE(control->devicePixelRatioF(), kScale);
        }
        QCOMPARE(f.Frame1[0]->geometry(), QRect(123, 59, 1152, 834)); // as at 100 % on a 1280 x 960 screen
    }

    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("section");
        // The Spanish set beside the program, then the other shipped sets.
        for (const QByteArray set : { "es", "ca", "en", "eu", "gl" }) {
            for (int section = 0; section < 9; ++section)
                QTest::newRow(set + ", section " + QByteArray::number(section)) << QString::fromLatin1(set) << section;
        }
    }
    void textsFitTheirBoxes()
    {
        QFETCH(QString, set);
        QFETCH(int, section);
        const bool spanish = set == QLatin1String("es");
        if (!spanish)
            setLanguageFolder(QStringLiteral(MAROLETA_SOURCE_DIR "/languages/%1/idioma").arg(set));
        const auto restore = qScopeGuard([] { setLanguageFolder({}); });
        testing::Program p;
        p.click(arrayName(QStringLiteral("Command1"), section));
        QCOMPARE(p.form->CurrentSection, section);
        // The Spanish captions fit in their own fonts, as the window shows them at 100 %; a longer
        // caption of another language may be drawn smaller, but never cut.
        QStringList found = overflows(p.form.get(), spanish);
        if (section == 4) {
            // The keypad, opened from an answer field, and the results window too.
            p.click(QStringLiteral("Label17(0)"));
            QVERIFY(p.form->keypad()->isVisible());
            found << overflows(p.form->keypad(), spanish) << overflows(p.form->results(), spanish);
            // The keypad opens just below the answer fields, in the window's layout pixels.
            const QPoint below = p.form->Frame9->mapTo(p.form.get(), QPoint(0, p.form->Frame9->height()));
            QVERIFY2((p.form->keypad()->pos() - below).manhattanLength() <= 2,
                qPrintable(QStringLiteral("keypad at %1,%2, fields end at %3,%4")
                               .arg(p.form->keypad()->x())
                               .arg(p.form->keypad()->y())
                               .arg(below.x())
                               .arg(below.y())));
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void picturesAreDrawnInScreenPixels()
    {
        testing::Program p;
        p.click(QStringLiteral("Command1(0)"));
        for (PictureBox* picture : { p.form->Picture1, p.form->Picture2 }) {
            const QImage& image = picture->image();
            QCOMPARE(image.devicePixelRatio(), kScale);
            QCOMPARE(image.size(), (QSizeF(picture->contentsRect().size()) * kScale).toSize());
            // Exactly the drawing of 1/2 at that size, pixel for pixel.
            QImage expected(image.size(), QImage::Format_RGB32);
            expected.setDevicePixelRatio(kScale);
            Canvas canvas(expected);
            drawFraction(canvas, 1, 2);
            QCOMPARE(image.convertToFormat(QImage::Format_RGB32), expected);
        }
    }

    void clickHitsTheSectorUnderThePointer()
    {
        // Twelve narrow sectors: each click must paint the one under the pointer and no other.
        testing::Program p;
        p.click(QStringLiteral("Command1(0)"));
        for (int i = 0; i < 10; ++i)
            p.click(QStringLiteral("Command3(0)"));
        QCOMPARE(p.form->Label1[1]->text(), QStringLiteral("12"));
        PictureBox* picture = p.form->Picture1;
        const QImage& image = picture->image();
        const FractionLayout layout = layoutFraction(image.width(), image.height(), 1, 12);
        const QPointF centre = picture->widgetPointOf(QPoint(int(layout.centresX.front()), int(layout.centreY)));
        // The pointer (dx, dy) radii from the centre (dy downwards), in layout pixels: under it lie 1.5 x 1.5
        // screen pixels.
        const auto at
            = [&](double dx, double dy) { return (centre + QPointF(dx, dy) * layout.radius / kScale).toPoint(); };
        const auto middleOf = [&](int sector) {
            const double angle = (sector + 0.5) * 6.28318 / 12;
            return at(0.8 * std::cos(angle), -0.8 * std::sin(angle));
        };
        const auto click = [&](QPoint pointer) { QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, pointer); };
        for (int sector = 1; sector < 12; ++sector) {
            QCOMPARE(shownColour(picture, middleOf(sector)), DesignColor::White);
            click(middleOf(sector));
            QCOMPARE(p.form->Label1[0]->text(), QString::number(sector + 1));
            for (int s = 0; s < 12; ++s)
                QCOMPARE(shownColour(picture, middleOf(s)), s <= sector ? DesignColor::Blue : DesignColor::White);
        }
        // Just under the radius at 3 o'clock lies the last sector, just over it the first.
        click(at(0.6, 0.03));
        QCOMPARE(p.form->Label1[0]->text(), QStringLiteral("11"));
        QCOMPARE(shownColour(picture, at(0.6, 0.03)), DesignColor::White);
        QCOMPARE(shownColour(picture, at(0.6, -0.03)), DesignColor::Blue);
        click(at(0.6, -0.03));
        QCOMPARE(p.form->Label1[0]->text(), QStringLiteral("10"));
        for (int s = 0; s < 12; ++s)
            QCOMPARE(shownColour(picture, middleOf(s)), s == 0 || s == 11 ? DesignColor::White : DesignColor::Blue);
        // Beside the circle the background takes no click.
        click(at(1.3, 0));
        QCOMPARE(p.form->Label1[0]->text(), QStringLiteral("10"));
        QCOMPARE(shownColour(picture, at(1.3, 0)), DesignColor::NearWhite);
    }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
