// The real window at 150 % display scaling: CTest runs this program with QT_SCALE_FACTOR=1.5 on an
// offscreen screen of 1920 x 1440 pixels, which the layout sees as 1280 x 960.
#include "learnsupport.h"
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/languagefiles.h"
#include "results/form3.h"

#include <QFontMetrics>
#include <QScopeGuard>

using namespace maroleta;

namespace {
constexpr double kScale = 1.5;

// The caption of a control when it does not fit the box it is drawn in, or an empty string when it fits.
// The lines must fit across (a word wider than the box is cut at its edge); down, the descent of the
// last line may reach past the box (figures and capitals have none), as it does in the design's own
// number boxes at 100 %. With `sameFont` the caption must also be drawn in the control's own font.
QString overflow(const QWidget* control, bool sameFont)
{
    if (const auto* option = qobject_cast<const QRadioButton*>(control))
        return option->rect().contains(QRect(QPoint(), option->sizeHint())) ? QString() : option->text();
    const auto* label = qobject_cast<const Label*>(control);
    const auto* button = qobject_cast<const CommandButton*>(control);
    const QString text = label ? label->text() : button ? button->text() : QString();
    if (text.isEmpty())
        return {};
    const QFont font = label ? label->captionFont() : button->captionFont();
    if (sameFont && font != control->font())
        return text + QStringLiteral(" (drawn smaller)");
    const QRect box = label ? label->contentsRect() : button->rect().adjusted(3, 2, -3, -2); // inside the border
    const QFontMetrics metrics(font);
    const int flags = label && !label->wordWrap() ? 0 : Qt::TextWordWrap;
    const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20), Qt::AlignLeft | flags, text);
    // One line is measured by its ink: its advance counts the space after the last character too.
    const int width = needed.height() <= metrics.height() ? metrics.tightBoundingRect(text).width() : needed.width();
    return width <= box.width() && needed.height() - metrics.descent() <= box.height() ? QString() : text;
}
}

class TestScaling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(qFuzzyCompare(qApp->devicePixelRatio(), kScale), "run through CTest: it sets QT_SCALE_FACTOR=1.5");
    }

    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("section");
        // The Spanish set beside the program, then the other shipped sets.
        for (const QByteArray set : { "es", "ca", "en", "eu", "gl" })
            for (int section = 0; section < 9; ++section)
                QTest::newRow(set + ", section " + QByteArray::number(section)) << QString::fromLatin1(set) << section;
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
        // The Spanish captions fit in their own fonts, as the window shows them at 100 %; a longer
        // caption of another language may be drawn smaller, but never cut.
        QStringList found;
        const auto check = [&](const QWidget* window) {
            for (const QWidget* control : window->findChildren<QWidget*>())
                if (const QString caption = overflow(control, spanish); !caption.isEmpty())
                    found << control->objectName() + u' ' + caption;
        };
        check(p.form.get());
        if (section == 4) {
            // The keypad, opened from an answer field, and the results window too.
            p.click(QStringLiteral("Label17(0)"));
            check(p.form->keypad());
            check(p.form->results());
            // The keypad first opens just below the answer fields, in the window's layout pixels.
            const QPoint below = p.form->Frame9->mapTo(p.form.get(), QPoint(0, p.form->Frame9->height()));
            QVERIFY((p.form->keypad()->pos() - below).manhattanLength() <= 2);
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void longCaptionDrawnSmaller()
    {
        testing::Program p;
        CommandButton* button = p.form->Command1[0];
        button->setText(button->text() + u' ' + button->text());
        QVERIFY(button->captionFont().pointSizeF() < button->font().pointSizeF());
        QCOMPARE(overflow(button, false), QString());
    }

    void picturesInScreenPixels()
    {
        // Twips and fonts go by the logical 96 dots an inch at any scaling, so the whole window is the 100 %
        // window of a 1280 x 960 screen enlarged 1.5 times; the pictures, though, are drawn in screen pixels.
        testing::Program p;
        p.click(QStringLiteral("Command1(0)"));
        QCOMPARE(p.form->Frame1[0]->geometry(), QRect(123, 59, 1152, 834));
        for (PictureBox* picture : { p.form->Picture1, p.form->Picture2 }) {
            // Exactly the drawing of 1/2 at the size of the picture on the screen, pixel for pixel.
            QImage expected((QSizeF(picture->contentsRect().size()) * kScale).toSize(), QImage::Format_RGB32);
            expected.setDevicePixelRatio(kScale);
            Canvas canvas(expected);
            drawFraction(canvas, 1, 2);
            QCOMPARE(picture->image().convertToFormat(QImage::Format_RGB32), expected);
        }

        // Twelve narrow sectors: each click must paint the one under the pointer and no other.
        p.form->Label1[1]->setText(QStringLiteral("12"));
        p.form->DrawFirstFraction();
        PictureBox* picture = p.form->Picture1;
        const FractionLayout layout = layoutFraction(picture->image().width(), picture->image().height(), 1, 12);
        // The pointer (dx, dy) radii from the centre (dy downwards), in layout pixels: under it lie 1.5 x 1.5
        // screen pixels. Just under the radius at 3 o'clock lies the last sector, just over it the first; at
        // 9 o'clock the seventh and the sixth.
        const QPointF centre = picture->widgetPointOf(QPoint(int(layout.centresX.front()), int(layout.centreY)));
        const std::tuple<double, double, QString> clicks[] = { { 0.6, -0.03, "wwwwwwwwwwww" },
            { 0.6, 0.03, "wwwwwwwwwwwb" }, { -0.6, 0.03, "wwwwwwbwwwwb" }, { -0.6, -0.03, "wwwwwbbwwwwb" } };
        for (const auto& [dx, dy, colours] : clicks) {
            const QPoint pointer = (centre + QPointF(dx, dy) * layout.radius / kScale).toPoint();
            QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, pointer);
            // The sectors as the pupil sees them, read from the picture drawn on the screen.
            QImage shown = picture->grab(picture->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(
                testing::sectorLetters(shown, layout.centresX.front(), layout.centreY, layout.radius, 12), colours);
            QCOMPARE(p.form->Label1[0]->text(), QString::number(colours.count(u'b')));
        }
    }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
