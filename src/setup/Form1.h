#pragma once

#include "setup/SetupController.h"

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTableWidget;

// The settings program's window over its controller, which outlives it: a banner, the tabs
// "Game", "Controls", "Video" and "Audio", and the buttons "Apply" and "Close". A timer runs
// the capture of bindings every 100 ms, fed by the window's own key and mouse events.
class Form1 : public QWidget
{
public:
    explicit Form1(SetupController& controller);

    // One tick of the capture timer: the input read, a binding captured, the grid shown anew.
    void CaptureStep();

protected:
    // Asks about unsaved changes first; a save that fails keeps the window open.
    void closeEvent(QCloseEvent* event) override;
    // Enter never reaches the grid; nothing does while a binding is captured.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeGameTab();
    QWidget* MakeControlsTab();
    QWidget* MakeVideoTab();
    QWidget* MakeAudioTab();
    QSlider* MakeSlider(QWidget* parent);
    void ConnectControls();
    void ShowValues();
    void ShowPage(BindingsEditor::Page page);
    void Refresh();
    bool SaveChanges();

    SetupController& _controller;
    QTimer _captureTimer;

    QComboBox* _difficulty = nullptr;
    QLabel* _description = nullptr;
    QComboBox* _language = nullptr;
    QPushButton* _pageButtons[3] = {};
    QTableWidget* _grid = nullptr;
    QWidget* _deadZone = nullptr; // the slider with its three labels
    QSlider* _deadZoneSlider = nullptr;
    QLabel* _escHint = nullptr;
    QLabel* _noJoystick = nullptr; // on the joystick page while none is attached
    QComboBox* _resolution = nullptr;
    QCheckBox* _fullscreen = nullptr;
    QCheckBox* _postProcessing = nullptr;
    QComboBox* _textures = nullptr;
    QSlider* _volumes[3] = {};
    QPushButton* _apply = nullptr;
};
