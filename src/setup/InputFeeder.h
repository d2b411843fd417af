#pragma once

#include <QObject>
#include <QPoint>

#include <set>

class SdlInputSource;

// Hands the key and mouse events of a window to the window-less input system, in the engine's
// codes: keys by physical position through the game's own scan-code table, buttons by number,
// movement in pixels. Installed on the top-level window, so each event is seen once. What is
// still down when the window loses the focus is released, since its release goes elsewhere.
class InputFeeder : public QObject
{
public:
    InputFeeder(SdlInputSource& source, QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReleaseAll();

    SdlInputSource& _source;
    std::set<int> _keysDown;
    std::set<int> _buttonsDown;
    QPoint _lastPosition;
    bool _hasPosition = false;
};
