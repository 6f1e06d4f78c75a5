// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What every section shares.
#include "widgets/section.h"

#include "logic/layout.h"

namespace maroleta {

Frame* Section::makeInnerFrame(Frame* sectionFrame, int section, const QString& name)
{
    const QSize size = designInnerFrameSizes()[std::size_t(section)];
    m_innerFrame = makeControl<Frame>(sectionFrame, name, QRect(QPoint(0, 0), size));
    return m_innerFrame;
}

} // namespace maroleta
