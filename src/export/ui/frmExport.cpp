#include "export/ui/frmExport.h"

#include "canvas/core/Etiquette.h"
#include "canvas/ui/TabDataPrompts.h"
#include "export/core/TabExport.h"
#include "export/core/cGdiPlus.h"
#include "merge/core/DataTable.h"
#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/HeaderPlus.h"
#include "widgets/ui/Line3D.h"
#include "widgets/ui/ReadingOrder.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/frmProjet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <iterator>

namespace plk {

namespace {

// Each text names its file pattern, so it is also the save dialog's one filter.
// The two documents come after the five pictures.
struct Format {
    const char* text;
    const char* suffix;
};
constexpr Format kFormats[] = {
    {"Microsoft Bitmap (*.bmp)", "bmp"},
    {"Joint Photographic Expert Group (*.jpg)", "jpg"},
    {"Graphics Interchange Format (*.gif)", "gif"},
    {"Portable Network Graphics (*.png)", "png"},
    {"Tagged Image File Format (*.tiff)", "tiff"},
    {"Portable Document Format (*.pdf)", "pdf"},
    {"Scalable Vector Graphics (*.svg)", "svg"},
};
constexpr int kFormatCount = int(std::size(kFormats));

// The screen's size first: what the canvas shows, as it always was.
struct Resolution {
    const char* text;
    int dotsPerInch;
};
constexpr Resolution kResolutions[] = {
    {"96 ppp (écran)", 96},
    {"150 ppp", 150},
    {"300 ppp", 300},
    {"600 ppp", 600},
};

constexpr int kJpegRow = 1;
// Where the slider starts: a JPEG quality of 80 %.
constexpr int kInitialQualityStep = 8;

}  // namespace

frmExport::frmExport(MainWindowServices& menu)
    : QDialog(menu.mainWidget()), m_menu(menu)
{
    setWindowTitle(QStringLiteral("Exporter dans une image"));
    setModal(true);

    m_header = new HeaderPlus(this);
    m_header->setCaption1(QStringLiteral("Exporter dans une image"));
    m_header->setCaption2(QStringLiteral("Exporter votre projet dans %1 formats d'images").arg(kFormatCount));

    m_combo = new QComboBox(this);
    for (const Format& format : kFormats)
        m_combo->addItem(QString::fromUtf8(format.text));
    auto* formatLabel = new QLabel(QStringLiteral("Format de sortie :"), this);
    formatLabel->setBuddy(m_combo);

    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setRange(0, 10);
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_qualityLabel = new QLabel(QStringLiteral("Taux de compression JPG :"), this);
    m_qualityLabel->setBuddy(m_slider);

    m_resolution = new QComboBox(this);
    for (const Resolution& r : kResolutions)
        m_resolution->addItem(QString::fromUtf8(r.text), r.dotsPerInch);
    auto* resolutionLabel = new QLabel(QStringLiteral("Résolution :"), this);
    resolutionLabel->setBuddy(m_resolution);

    static const char* const kCaptions[3] = {"Exporter", "Annuler", "Aide"};
    for (int i = 0; i < 3; ++i)
        m_buttons[std::size_t(i)] = new QPushButton(QString::fromUtf8(kCaptions[i]), this);
    m_buttons[0]->setDefault(true);

    connect(m_combo, &QComboBox::currentIndexChanged, this, &frmExport::formatChanged);
    connect(m_slider, &QSlider::valueChanged, this, &frmExport::sliderMoved);
    connect(m_buttons[0], &QPushButton::clicked, this, [this] { Export(m_combo->currentIndex()); });
    connect(m_buttons[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(m_buttons[2], &QPushButton::clicked, this, [this] {
        m_menu.showHelp(windowTitle());
    });

    auto* controls = new QGridLayout;
    controls->addWidget(formatLabel, 0, 0);
    controls->addWidget(m_combo, 0, 1);
    controls->addWidget(m_qualityLabel, 1, 0);
    controls->addWidget(m_slider, 1, 1);
    controls->addWidget(resolutionLabel, 2, 0);
    controls->addWidget(m_resolution, 2, 1);
    controls->setColumnStretch(1, 1);
    controls->setContentsMargins(12, 8, 12, 8);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : m_buttons)
        buttons->addWidget(button);
    buttons->setContentsMargins(12, 0, 12, 8);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_header);
    layout->addLayout(controls);
    layout->addWidget(new Line3D(this));
    layout->addLayout(buttons);

    m_slider->setValue(kInitialQualityStep);
    sliderMoved(m_slider->value());
    m_combo->setCurrentIndex(0);
    formatChanged(0);
    resize(420, sizeHint().height());
    ReadingOrder::follow(this);
}

QString frmExport::filterFor(int index)
{
    if (index < 0 || index >= kFormatCount)
        return QString();
    return QString::fromUtf8(kFormats[index].text);
}

void frmExport::showEvent(QShowEvent* event)
{
    const QRect main = m_menu.mainWidget()->geometry();
    move(main.left() + main.width() / 2 - width() / 2, main.top() + main.height() / 2 - height() / 2);
    m_combo->setCurrentIndex(0);
    formatChanged(0);
    QDialog::showEvent(event);
}

void frmExport::formatChanged(int index)
{
    const bool jpeg = index == kJpegRow;
    m_qualityLabel->setEnabled(jpeg);
    m_slider->setEnabled(jpeg);
}

void frmExport::sliderMoved(int position)
{
    m_slider->setToolTip(QString::number(position * 10) + QStringLiteral(" %"));
}

void frmExport::Export(int format)
{
    frmProjet* window = m_menu.activeProject();
    if (!window)
        return;
    const Etiquette& tab = window->surface(window->selectedTab());
    Dialogs& dialogs = m_menu.dialogs();
    // A tab filled from a data file is exported with the row chosen for it.
    const auto data = dataForOutput(dialogs, this, tab, window->linkedFileAnswers(), false);
    if (!data)
        return;
    const RowValues row = *data ? RowValues(data->get(), std::clamp(tab.dataRow(), 0, (*data)->rowCount() - 1))
                                : RowValues();
    if (!codesDrawable(dialogs, this, tab, row.table(), row.row()))
        return;

    Dialogs::FileRequest request;
    request.title = windowTitle();
    const QString filter = filterFor(format);
    if (!filter.isEmpty()) {
        request.filters << filter;
        request.defaultSuffix = QString::fromUtf8(kFormats[format].suffix);
    }
    request.filterIndex = 0;
    request.directory = m_menu.paths().programFolder();
    request.fileName = request.withDefaultSuffix(tab.NameProjet());
    const std::optional<Dialogs::FileAnswer> answer = dialogs.saveFile(this, request);
    if (!answer || answer->path.isEmpty())
        return;

    cGdiPlus gdi;
    // A name whose extension no encoder claims gets the chosen format's; a name that
    // asks for a format of its own (".jpeg", ".tif", ".pdf") keeps it.
    QString path = answer->path;
    if (gdi.encoderFor(path) == -1 && !documentFormatFor(path))
        path = request.withDefaultSuffix(path);
    connect(&gdi, &cGdiPlus::Error, this, &frmExport::GDI_Plus_Error);
    const ExportSettings settings{m_resolution->currentData().toInt(), m_slider->value() * 10, false};
    if (exportTab(gdi, tab, path, settings, &m_picture, row))
        dialogs.message(this, QStringLiteral("Exportation du projet terminé."), Dialogs::Icon::Information,
                        Dialogs::Buttons::Ok);
    else
        dialogs.message(this, QStringLiteral("Erreur lors de l'exportation."), Dialogs::Icon::Exclamation,
                        Dialogs::Buttons::Ok);
}

void frmExport::GDI_Plus_Error(int lGdiError, const QString& sErrorDesc)
{
    m_menu.dialogs().message(this, QStringLiteral("Une erreur est survenue :\n") + sErrorDesc,
                             Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok,
                             QStringLiteral("Erreur n°") + QString::number(lGdiError));
}

}  // namespace plk
