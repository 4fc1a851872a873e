// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "learnwindow.h"

#include "appinfo.h"
#include "textconvert.h"

#include <QDialog>
#include <QScreen>

#include <algorithm>

namespace zevodave {

void SetUpLearnWindow(QDialog* window, const QString& name, const QString& caption,
                      LearnWindowKind kind) {
    window->setObjectName(name);
    window->setWindowTitle(caption.arg(ToQString(kAppTitle)));
    if (kind == LearnWindowKind::Companion)
        window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
}

QPoint BesidePosition(const QRect& anchor, const QSize& frame, const QRect& screen) {
    const int right = anchor.x() + anchor.width();
    const int left = anchor.x() - frame.width();
    const int screenEnd = screen.x() + screen.width();
    int x = right;
    if (right + frame.width() > screenEnd) {
        // Without room on the right, the side with more: the left wherever
        // it has room. Pushed back onto the screen; a window wider than the
        // screen keeps its left edge.
        const bool leftHasMore = anchor.x() - screen.x() > screenEnd - right;
        x = leftHasMore ? std::max(left, screen.x())
                        : std::max(screenEnd - frame.width(), screen.x());
    }
    const int y =
        std::max(std::min(anchor.y(), screen.y() + screen.height() - frame.height()), screen.y());
    return {x, y};
}

void PlaceBeside(QWidget* window, std::initializer_list<const QWidget*> anchors) {
    const QWidget* first = *anchors.begin();
    QRect frames;
    for (const QWidget* anchor : anchors) {
        if (anchor)
            frames |= anchor->frameGeometry();
    }
    const QSize border = first->frameGeometry().size() - first->size();
    window->move(
        BesidePosition(frames, window->size() + border, first->screen()->availableGeometry()));
}

} // namespace zevodave
