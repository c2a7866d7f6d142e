#pragma once
// The main window's own keys: F1 opens the help and U switches the background
// music, whatever modifiers are held; no other key does anything. Every key
// that reaches the window is consumed, and the key strokes still queued are
// dropped afterwards, so a held or hammered key does not repeat its command
// from the queue.

#include <functional>

class QKeyEvent;

namespace lumo {

class KeyCommands {
public:
    struct Actions {
        std::function<void()> help;
        // Performs a click on the music switch.
        std::function<void()> musicClick;
    };

    explicit KeyCommands(Actions actions);

    // Handles a key press that reached the main window.
    void FormKeyDown(QKeyEvent *event);

private:
    Actions FActions;
};

} // namespace lumo
