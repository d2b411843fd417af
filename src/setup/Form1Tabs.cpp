#include "setup/Form1.h"

#include "setup/SetupActions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

} // namespace

QSlider* Form1::MakeSlider(QWidget* parent)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, 100);
    slider->setTickInterval(10);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

QWidget* Form1::MakeGameTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Difficulty:", page));
    _difficulty = MakeList(page, "difficulty", {"Normal", "Hard", "Insane"});
    layout->addWidget(_difficulty);
    _description = new QLabel(page);
    _description->setObjectName("description");
    _description->setFixedSize(187, 157);
    _description->setWordWrap(true);
    _description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(_description);
    layout->addWidget(new QLabel("Language:", page));
    _language = MakeList(page, "language", {"English", QString::fromUtf8("Русский")});
    layout->addWidget(_language);
    layout->addStretch();
    return page;
}

QWidget* Form1::MakeControlsTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* pages = new QHBoxLayout;
    const char* names[3][2] = {{"Keyboard", "keyboardPage"}, {"Mouse", "mousePage"}, {"Joystick", "joystickPage"}};
    for (int i = 0; i < 3; ++i)
    {
        _pageButtons[i] = new QPushButton(names[i][0], page);
        _pageButtons[i]->setObjectName(names[i][1]);
        _pageButtons[i]->setAutoFillBackground(true);
        pages->addWidget(_pageButtons[i]);
    }
    layout->addLayout(pages);
    _noJoystick = new QLabel("No joystick is attached.", page);
    _noJoystick->setObjectName("noJoystick");
    _noJoystick->setVisible(false);
    layout->addWidget(_noJoystick);

    _grid = new QTableWidget(SetupActionsCount, 2, page);
    _grid->setObjectName("bindings");
    _grid->setHorizontalHeaderLabels({"Action", "Key"});
    _grid->verticalHeader()->hide();
    _grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    _grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    _grid->horizontalHeader()->setSectionsClickable(false);
    _grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    _grid->setSelectionMode(QAbstractItemView::SingleSelection);
    _grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    _grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The grid shows most of its rows at once, so the thumb fills most of the track: drawn darker
    // than the track it stands out, where the toolkit's light thumb on a darker track read as the
    // short uncovered rest of the track, the wrong way round.
    _grid->verticalScrollBar()->setStyleSheet(
        "QScrollBar:vertical { background: palette(button); width: 14px; margin: 14px 0 14px 0; }"
        "QScrollBar::handle:vertical { background: palette(mid); border: 1px solid palette(dark);"
        " border-radius: 3px; min-height: 20px; margin: 0 1px; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"
        "QScrollBar::add-line:vertical { height: 14px; subcontrol-position: bottom; subcontrol-origin: margin; }"
        "QScrollBar::sub-line:vertical { height: 14px; subcontrol-position: top; subcontrol-origin: margin; }");
    _grid->setTabKeyNavigation(false);
    _grid->installEventFilter(this);
    layout->addWidget(_grid);

    _deadZone = new QWidget(page);
    auto* deadZone = new QHBoxLayout(_deadZone);
    deadZone->setContentsMargins(0, 0, 0, 0);
    deadZone->addWidget(new QLabel("Dead Zone:", _deadZone));
    deadZone->addWidget(new QLabel("0", _deadZone));
    _deadZoneSlider = MakeSlider(_deadZone);
    _deadZoneSlider->setObjectName("deadZone");
    deadZone->addWidget(_deadZoneSlider, 1);
    deadZone->addWidget(new QLabel("100", _deadZone));
    layout->addWidget(_deadZone);

    _escHint = new QLabel("Press Esc to cancel...", page);
    _escHint->setObjectName("escHint");
    // Its room stays when it hides, so that nothing moves under the pointer when it shows: the
    // second click of a double-click lands on the row of the first.
    QSizePolicy keepRoom = _escHint->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    _escHint->setSizePolicy(keepRoom);
    layout->addWidget(_escHint);
    return page;
}

QWidget* Form1::MakeVideoTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Resolution:", page));
    _resolution = MakeList(page, "resolution", {});
    layout->addWidget(_resolution);
    _fullscreen = new QCheckBox("fullscreen", page);
    _fullscreen->setObjectName("fullscreen");
    layout->addWidget(_fullscreen);
    _postProcessing = new QCheckBox("postprocessing", page);
    _postProcessing->setObjectName("postprocessing");
    layout->addWidget(_postProcessing);
    layout->addWidget(new QLabel("Textures Quality:", page));
    _textures = MakeList(page, "textures", {"Low", "Medium", "High"});
    layout->addWidget(_textures);
    layout->addStretch();
    return page;
}

QWidget* Form1::MakeAudioTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    const char* names[3][2] = {
        {"Master Volume:", "masterVolume"}, {"Sound Volume:", "soundVolume"}, {"Music Volume:", "musicVolume"}};
    for (int i = 0; i < 3; ++i)
    {
        layout->addWidget(new QLabel(names[i][0], page));
        _volumes[i] = MakeSlider(page);
        _volumes[i]->setObjectName(names[i][1]);
        layout->addWidget(_volumes[i]);
    }
    _volumes[SetupSettings::VOLUME_MASTER]->setPageStep(1);
    layout->addStretch();
    return page;
}
