// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The real window at 150 % display scaling: CTest runs this program with QT_SCALE_FACTOR=1.5 on an
// offscreen screen of 1920 x 1440 pixels, which the layout sees as 1280 x 960.
#include "sectorcolours.h"
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/languagefiles.h"
#include "results/form3.h"

#include <QFontMetrics>
#include <QScopeGuard>

using namespace maroleta;
using namespace maroleta::testing;

namespace {
constexpr double kScale = 1.5;

// "name: caption", a line, when the caption of a label or a button does not fit inside its border in the font it
// is drawn in, or is drawn smaller than the control's own font though each of its words fits across in that
// font: only a word too long for the control may make it shrink. Its lines must fit across; down, the
// descent of the last line may reach past the box, as in the design's own number boxes at 100 %.
QString overflow(const QWidget* control)
{
    const auto* label = qobject_cast<const Label*>(control);
    const auto* button = qobject_cast<const CommandButton*>(control);
    const QString text = control->property("text").toString();
    if ((!label && !button) || text.isEmpty())
        return {};
    const QFont font = label ? label->captionFont() : button->captionFont();
    const QRect box = label ? label->contentsRect() : button->rect().adjusted(3, 2, -3, -2);
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, box.width(), 1 << 20), Qt::AlignLeft | (label && !label->wordWrap() ? 0 : Qt::TextWordWrap), text);
    // One line is measured by its ink: its advance counts the space after the last character too.
    const int width = needed.height() <= metrics.height() ? metrics.tightBoundingRect(text).width() : needed.width();
    const bool fits = width <= box.width() && needed.height() - metrics.descent() <= box.height();
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    const bool wordTooLong = std::any_of(words.begin(), words.end(), [&](const QString& word) {
        return QFontMetrics(control->font()).tightBoundingRect(word).width() > box.width();
    });
    return fits && (font == control->font() || wordTooLong) ? QString() : control->objectName() + ": " + text + '\n';
}
} // namespace

class TestScaling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Twips go by the logical 96 dots an inch at any scaling, fifteen to a layout pixel: a menu button at
    // twips 120, 960, 1695 x 375, a heading at 120, 4320, 1335 x 375, the keypad's 0 at 960, 3240, 735 x 555.
    // The section frame fills a screen seen as 1280 x 960.
    void twipsAtScale()
    {
        Program p;
        QString places;
        for (const char* name : { "Command1(7)", "Label20(1)", "Form2.Command1(0)", "Frame1(0)" }) {
            const QRect place = p.find(name)->geometry();
            places += QString::asprintf("%s %d %d %d %d; ", name, place.x(), place.y(), place.width(), place.height());
        }
        QCOMPARE(places,
            "Command1(7) 8 64 113 25; Label20(1) 8 288 89 25; Form2.Command1(0) 64 216 49 37; Frame1(0) 123 59 1152 "
            "834; ");
    }

    // Every caption of every shipped language set fits its control in its own font, as at 100 %; only a
    // word of another language too long for its control may be drawn smaller, never cut.
    void captionsFit_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("section");
        for (const char* set : { "es", "ca", "en", "eu", "gl" })
            for (int section = 0; section < 9; ++section)
                QTest::addRow("%s, section %d", set, section) << QString::fromLatin1(set) << section;
    }
    void captionsFit()
    {
        QFETCH(QString, set);
        QFETCH(int, section);
        if (set != "es")
            setLanguageFolder(QStringLiteral(MAROLETA_SOURCE_DIR "/languages/%1/idioma").arg(set));
        const auto restore = qScopeGuard([] { setLanguageFolder({}); });
        Program p;
        p.click(arrayName("Command1", section));
        QList<QWidget*> windows { p.form.get() };
        if (section == 4) { // the keypad, opened just below the answer fields, and the results window
            p.click("Label17(0)");
            const QPoint below = p.find("Frame9")->mapTo(p.form.get(), QPoint(0, p.find("Frame9")->height()));
            QVERIFY((p.form->keypad()->pos() - below).manhattanLength() <= 2);
            windows << p.form->keypad() << p.form->results();
        }
        QString cut;
        for (const QWidget* window : windows)
            for (const QWidget* control : window->findChildren<QWidget*>())
                cut += overflow(control);
        QCOMPARE(cut, QString());
    }

    // The pictures are drawn in screen pixels, 1.5 to a layout pixel; a click on one of twelve narrow
    // sectors paints the sector under the pointer and no other.
    void sectorClicks()
    {
        Program p;
        p.click(QStringList("Command1(0)") + QStringList(10, "Command3(0)"));
        QCOMPARE(p.caption("Label1(0)") + '/' + p.caption("Label1(1)"), "1/12");
        auto* picture = p.find<PictureBox>("Picture1");
        QCOMPARE(picture->image().size(), picture->contentsRect().size() * kScale);
        const FractionLayout layout = layoutFraction(picture->image().width(), picture->image().height(), 1, 12);
        // The pointer (dx, dy) radii from the centre (dy downwards): just under the radius at 3 o'clock lies the
        // last sector, just over it the first; at 9 o'clock the seventh and the sixth.
        const QPointF centre = picture->widgetPointOf(QPoint(int(layout.centresX.front()), int(layout.centreY)));
        const std::tuple<double, double, QString> clicks[] = { { 0.6, -0.03, "wwwwwwwwwwww" },
            { 0.6, 0.03, "wwwwwwwwwwwb" }, { -0.6, 0.03, "wwwwwwbwwwwb" }, { -0.6, -0.03, "wwwwwbbwwwwb" } };
        for (const auto& [dx, dy, colours] : clicks) {
            QTest::mouseClick(
                picture, Qt::LeftButton, {}, (centre + QPointF(dx, dy) * layout.radius / kScale).toPoint());
            // The sectors as the pupil sees them, read from the picture on the screen.
            QImage shown = picture->grab(picture->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(sectorLetters(shown, layout.centresX.front(), layout.centreY, layout.radius, 12), colours);
            QCOMPARE(p.caption("Label1(0)"), QString::number(colours.count(u'b')));
        }
    }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
