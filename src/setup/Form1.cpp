#include "setup/Form1.h"

#include "setup/InputFeeder.h"
#include "setup/SetupActions.h"
#include "setup/SetupArt.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QWindow>

namespace {

constexpr int kCaptureTickMs = 100;

} // namespace

Form1::Form1(SetupController& controller) : _controller(controller)
{
    setWindowTitle("Setup :: Tolmarch: Vantrel");
    setWindowIcon(MakeWindowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(412, 560);

    auto* banner = new QLabel(this);
    banner->setPixmap(MakeBanner());
    banner->setGeometry(62, 12, 301, 68);
    auto* tabs = new QTabWidget(this);
    tabs->setGeometry(12, 86, 386, 442);
    tabs->addTab(MakeGameTab(), "Game");
    tabs->addTab(MakeControlsTab(), "Controls");
    tabs->addTab(MakeVideoTab(), "Video");
    tabs->addTab(MakeAudioTab(), "Audio");
    _apply = new QPushButton("Apply", this);
    _apply->setObjectName("apply");
    _apply->setGeometry(16, 533, 75, 23);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("close");
    close->setGeometry(323, 533, 75, 23);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    ShowValues();
    ConnectControls();
    Refresh();

    // Every key and mouse event of the window reaches the capture, whichever widget takes it.
    winId();
    windowHandle()->installEventFilter(new InputFeeder(_controller.Bindings().GetInputSource(), this));
    connect(&_captureTimer, &QTimer::timeout, this, &Form1::CaptureStep);
    _captureTimer.start(kCaptureTickMs);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form1::CaptureStep()
{
    _controller.Bindings().CaptureStep();
    Refresh();
}

void Form1::ShowValues()
{
    SetupSettings& settings = _controller.Settings();
    _difficulty->setCurrentIndex(settings.GetDifficultyIndex());
    _language->setCurrentIndex(settings.GetLanguageIndex());
    for (const VideoMode& mode : settings.GetVideoModes())
        _resolution->addItem(QString::fromStdString(VideoModeText(mode)));
    _resolution->setCurrentIndex(settings.GetVideoModeIndex());
    _fullscreen->setChecked(settings.GetFullscreen());
    _postProcessing->setChecked(settings.GetPostProcessing());
    _textures->setCurrentIndex(settings.GetTextureIndex());
    for (int i = 0; i < 3; ++i)
        _volumes[i]->setValue(settings.GetVolume(static_cast<SetupSettings::Volume>(i)));

    BindingsEditor& bindings = _controller.Bindings();
    _deadZoneSlider->setValue(bindings.GetDeadZoneSlider());
    for (int row = 0; row < SetupActionsCount; ++row)
    {
        _grid->setItem(row, 0, new QTableWidgetItem(BindingsEditor::GetActionText(row)));
        _grid->setItem(row, 1, new QTableWidgetItem());
    }
    // The dead zone shows until a page is chosen.
    ShowPage(bindings.GetPage());
    _deadZone->setVisible(true);
}

void Form1::ConnectControls()
{
    SetupSettings& settings = _controller.Settings();
    BindingsEditor& bindings = _controller.Bindings();
    const auto changed = [this](auto handler) {
        return [this, handler](auto... values) {
            handler(values...);
            Refresh();
        };
    };
    connect(_difficulty, &QComboBox::currentIndexChanged, this,
            changed([&settings](int index) { settings.SetDifficultyIndex(index); }));
    connect(_language, &QComboBox::currentIndexChanged, this,
            changed([&settings](int index) { settings.SetLanguageIndex(index); }));
    connect(_resolution, &QComboBox::currentIndexChanged, this,
            changed([&settings](int index) { settings.SetVideoModeIndex(index); }));
    connect(_fullscreen, &QCheckBox::toggled, this, changed([&settings](bool on) { settings.SetFullscreen(on); }));
    connect(_postProcessing, &QCheckBox::toggled, this,
            changed([&settings](bool on) { settings.SetPostProcessing(on); }));
    connect(_textures, &QComboBox::currentIndexChanged, this,
            changed([&settings](int index) { settings.SetTextureIndex(index); }));
    for (int i = 0; i < 3; ++i)
    {
        const auto volume = static_cast<SetupSettings::Volume>(i);
        connect(_volumes[i], &QSlider::valueChanged, this,
                changed([&settings, volume](int value) { settings.SetVolume(volume, value); }));
    }

    connect(_deadZoneSlider, &QSlider::valueChanged, this,
            changed([&bindings](int value) { bindings.SetDeadZoneSlider(value); }));
    for (int page = 0; page < 3; ++page)
        connect(_pageButtons[page], &QPushButton::clicked, this,
                [this, page] { ShowPage(static_cast<BindingsEditor::Page>(page)); });
    connect(_grid, &QTableWidget::currentCellChanged, this,
            changed([&bindings](int row, int column, int, int) { bindings.EnterCell(row, column); }));
    connect(_grid, &QTableWidget::cellClicked, this,
            changed([&bindings](int row, int column) { bindings.ClickCell(row, column); }));
    connect(_apply, &QPushButton::clicked, this, [this] { SaveChanges(); });
}

void Form1::ShowPage(BindingsEditor::Page page)
{
    _controller.Bindings().SetPage(page);
    _deadZone->setVisible(page == BindingsEditor::PAGE_JOYSTICK);
    _noJoystick->setVisible(page == BindingsEditor::PAGE_JOYSTICK && !_controller.Bindings().HasJoystick());
    for (int i = 0; i < 3; ++i)
    {
        QPalette colours = palette();
        if (i == page)
        {
            colours.setColor(QPalette::Button, colours.color(QPalette::Highlight));
            colours.setColor(QPalette::ButtonText, colours.color(QPalette::HighlightedText));
        }
        _pageButtons[i]->setPalette(colours);
    }
    Refresh();
}

void Form1::Refresh()
{
    const BindingsEditor& bindings = _controller.Bindings();
    for (int row = 0; row < SetupActionsCount; ++row)
    {
        if (QTableWidgetItem* cell = _grid->item(row, 1))
            cell->setText(QString::fromStdString(bindings.GetBindingText(row)));
    }
    _escHint->setVisible(bindings.IsCapturing());
    _description->setText(QString::fromUtf8(_controller.Settings().GetDifficultyText()));
    _apply->setEnabled(_controller.IsApplyEnabled());
}

bool Form1::SaveChanges()
{
    const bool saved = _controller.Save();
    Refresh();
    if (!saved)
        QMessageBox::warning(this, windowTitle(), "The settings could not be saved. \"game.log\" tells why.");
    return saved;
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!_controller.IsApplyEnabled())
    {
        event->accept();
        return;
    }
    QMessageBox question(QMessageBox::Question, "Save changes?", "Do you want to save changes?",
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    const int answer = question.exec();
    if (answer == QMessageBox::No || (answer == QMessageBox::Yes && SaveChanges()))
        event->accept();
    else
        event->ignore();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == _grid && event->type() == QEvent::KeyPress)
    {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || _controller.Bindings().IsCapturing())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
