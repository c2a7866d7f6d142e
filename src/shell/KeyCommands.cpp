#include "shell/KeyCommands.h"

#include "common/EventHelpers.h"

#include <QKeyEvent>

namespace lumo {

KeyCommands::KeyCommands(Actions actions) : FActions(std::move(actions))
{
}

void KeyCommands::FormKeyDown(QKeyEvent *event)
{
    // The window system repeats a held key as fresh presses rather than queued
    // ones; they must not switch the music on and off again and again.
    if (!event->isAutoRepeat()) {
        switch (event->key()) {
        case Qt::Key_F1:
            if (FActions.help)
                FActions.help();
            break;
        case Qt::Key_U:
            if (FActions.musicClick)
                FActions.musicClick();
            break;
        default:
            break;
        }
    }
    event->accept();
    DiscardKeyboardMessages();
}

} // namespace lumo
