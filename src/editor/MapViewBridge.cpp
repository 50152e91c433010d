#include "editor/MapViewBridge.h"

#include "editor/frmMain.h"
#include "forms/HandlerGuard.h"
#include "map/MapView.h"
#include "map/render/MapRenderer.h"
#include "platform/qt/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

MapViewBridge::MapViewBridge(frmMain& main) : QObject(&main), main_(main) {
    // The palette's tool tip and the map's coordinate labels follow the pointer, pressed or not.
    main_.picMap->setMouseTracking(true);
    main_.picTerrain->setMouseTracking(true);
    // A click on the map gives it the keyboard, for scrolling with the keypad.
    main_.picMap->setFocusPolicy(Qt::ClickFocus);
    for (QWidget* box :
         {static_cast<QWidget*>(main_.picMap), static_cast<QWidget*>(main_.picTerrain),
          static_cast<QWidget*>(main_.picSelTerrain)})
        box->installEventFilter(this);
}

void MapViewBridge::RedrawCell(int x, int y) {
    const auto place = CellPlaceInView(x, y);
    if (!place) return;
    DrawMapCell(main_.picMap->surface(), place->X, place->Y, x, y);
    main_.picMap->Refresh();
}

void MapViewBridge::RedrawView() {
    main_.picMap_Paint();
}

bool MapViewBridge::eventFilter(QObject* watched, QEvent* event) {
    // Only input reaches the window; other events also come while the window is destroyed.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        break;
    default:
        return QObject::eventFilter(watched, event);
    }
    const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
    if (watched == main_.picMap) {
        if (event->type() == QEvent::KeyPress) {
            main_.picMap_KeyDown(*static_cast<QKeyEvent*>(event));
            return QObject::eventFilter(watched, event);
        }
        // The one place where a position on the map becomes a view cell, for presses and moves.
        const ViewCell cell = ViewCellAtPixel(mouse->position().x(), mouse->position().y());
        if (event->type() == QEvent::MouseButtonPress)
            RunGuarded([&] { main_.picMap_MouseDown(mouse->buttons(), cell); });
        // Qt sends the second press of a quick pair as a double click instead of a press.
        else if (event->type() == QEvent::MouseButtonDblClick)
            RunGuarded([&] { main_.picMap_DblClick(mouse->button()); });
        else if (event->type() == QEvent::MouseMove)
            main_.picMap_MouseMove(mouse->buttons(), cell);
        return QObject::eventFilter(watched, event);
    }
    // Whole pixels rounded down (toPoint would round).
    const QPoint at = mouse ? QPoint(static_cast<int>(std::floor(mouse->position().x())),
                                     static_cast<int>(std::floor(mouse->position().y())))
                            : QPoint();
    if (watched == main_.picTerrain) {
        if (event->type() == QEvent::MouseButtonPress)
            main_.picTerrain_MouseDown(mouse->button(), at.x(), at.y());
        else if (event->type() == QEvent::MouseMove)
            main_.picTerrain_MouseMove(at.x(), at.y());
    } else if (watched == main_.picSelTerrain) {
        if (event->type() == QEvent::MouseButtonRelease && main_.picSelTerrain->rect().contains(at))
            main_.picSelTerrain_Click();
    }
    return QObject::eventFilter(watched, event);
}
