// Adapting the window, laid out for one size, to the screen it meets.
#include "shell/form1.h"

#include "logic/layout.h"

#include <QScreen>

namespace maroleta {

void Form1::ArrangeScreen()
{
    const Twips& t = screenTwips();
    const QScreen* shown = screen();
    const QSize pixels = shown ? shown->geometry().size() : QSize(1024, 768);

    LayoutInput input;
    input.screen = QSize(qRound(t.toTwips(pixels.width())), qRound(t.toTwips(pixels.height())));
    input.topMenuButtonTop = twipsGeometry(Command1[7]).top();
    input.menuLeft = twipsGeometry(Command1[0]).left();
    input.menuWidth = twipsGeometry(Command1[0]).width();
    input.sideFrameWidth = twipsGeometry(Frame2).width();
    for (int section = 1; section < 9; ++section)
        input.innerFrame[section] = twipsGeometry(innerFrames[section]).size();
    input.frame6Left = twipsGeometry(Frame6).left();
    const LayoutResult layout = arrangeScreen(input);

    for (Frame* section : Frame1)
        setTwipsGeometry(section, layout.section);

    QPalette background = palette();
    background.setColor(QPalette::Window, designColor(DesignColor::DarkCyan));
    setPalette(background);
    for (int i = 0; i < 9; ++i) {
        Frame1[i]->setBackColor(DesignColor::DarkCyan);
        Command1[i]->setBackColor(DesignColor::White);
    }
    for (Frame* frame : { Frame2, Frame3, Frame4, Frame5, Frame6, Frame7, Frame8, Frame9, Frame10, Frame11 })
        frame->setBackColor(DesignColor::DarkCyan);
    for (OptionButton* option : Option1)
        option->setBackColor(DesignColor::DarkCyan);

    Frame2->hide();
    Frame3->hide();
    Picture1->hide();
    Picture2->hide(); // the presentation shows none of the four shared controls

    setTwipsGeometry(Picture1, layout.picture1);
    setTwipsGeometry(Picture2, layout.picture2);
    for (int section = 1; section < 9; ++section)
        setTwipsPosition(innerFrames[section], layout.innerFrame[section]);
    setTwipsPosition(Frame2, layout.frame2);
    setTwipsPosition(Frame3, layout.frame3);

    Picture1->raise();
    Frame3->raise();
    Frame2->raise();
}

} // namespace maroleta
