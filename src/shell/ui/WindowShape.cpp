#include "shell/ui/WindowShape.h"

#include "shell/ZoomEllipse.h"

#include <QGuiApplication>
#include <QRegion>
#include <QThread>
#include <QWidget>

namespace {

void ShowStep(QWidget* window, int step) {
    const TZoomEllipse e = ZoomEllipse(window->width(), window->height(), step);
    window->setMask(QRegion(e.left, e.top, e.right - e.left, e.bottom - e.top, QRegion::Ellipse));
    window->repaint();
    QGuiApplication::sync(); // the window system draws the step before the pause
    QThread::msleep(5);
}

} // namespace

void ZoomOutWindow(QWidget* window) {
    for (int step = 1; step <= ZoomSteps; ++step)
        ShowStep(window, step);
    HideWindowShape(window);
}

void ZoomInWindow(QWidget* window) {
    for (int step = ZoomSteps; step >= 1; --step)
        ShowStep(window, step);
    ResetWindowShape(window);
}

void ResetWindowShape(QWidget* window) {
    window->clearMask();
}

void HideWindowShape(QWidget* window) {
    // An empty region would mean "no mask" to Qt; a pixel outside the window leaves nothing of
    // it inside the shape.
    window->setMask(QRegion(-1, -1, 1, 1));
}
