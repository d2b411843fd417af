#include "setup/InputFeeder.h"

#include "platform/input/ScanCodes.h"
#include "platform/input/SdlInputSource.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

// X and Wayland report key codes 8 above the Linux input codes.
constexpr quint32 kNativeKeyOffset = 8;

int ScanCodeOf(const QKeyEvent& event)
{
    const quint32 native = event.nativeScanCode();
    return native > kNativeKeyOffset ? LinuxKeyCodeToScanCode(static_cast<int>(native - kNativeKeyOffset)) : 0;
}

// The engine numbers the buttons left, right, middle, first extra.
int ButtonNumber(Qt::MouseButton button)
{
    switch (button)
    {
    case Qt::LeftButton: return 0;
    case Qt::RightButton: return 1;
    case Qt::MiddleButton: return 2;
    case Qt::BackButton: return 3;
    default: return -1;
    }
}

void Track(std::set<int>& down, int code, bool isDown)
{
    if (isDown)
        down.insert(code);
    else
        down.erase(code);
}

} // namespace

InputFeeder::InputFeeder(SdlInputSource& source, QObject* parent) : QObject(parent), _source(source) {}

bool InputFeeder::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type())
    {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const int code = ScanCodeOf(key);
        if (key.isAutoRepeat() || code == 0)
            break;
        const bool down = event->type() == QEvent::KeyPress;
        Track(_keysDown, code, down);
        _source.InjectKey(code, down);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    {
        const int button = ButtonNumber(static_cast<const QMouseEvent&>(*event).button());
        if (button < 0)
            break;
        const bool down = event->type() != QEvent::MouseButtonRelease;
        Track(_buttonsDown, button, down);
        _source.InjectMouseButton(button, down);
        break;
    }
    case QEvent::MouseMove:
    {
        const QPoint position = static_cast<const QMouseEvent&>(*event).globalPosition().toPoint();
        if (_hasPosition)
            _source.InjectMouseMotion(position.x() - _lastPosition.x(), position.y() - _lastPosition.y(), 0);
        _lastPosition = position;
        _hasPosition = true;
        break;
    }
    case QEvent::Wheel:
        _source.InjectMouseMotion(0, 0, static_cast<const QWheelEvent&>(*event).angleDelta().y());
        break;
    case QEvent::Leave:
        // The pointer comes back elsewhere; that jump is no movement.
        _hasPosition = false;
        break;
    case QEvent::FocusOut:
    case QEvent::WindowDeactivate: ReleaseAll(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void InputFeeder::ReleaseAll()
{
    for (int code : _keysDown)
        _source.InjectKey(code, false);
    for (int button : _buttonsDown)
        _source.InjectMouseButton(button, false);
    _keysDown.clear();
    _buttonsDown.clear();
}
