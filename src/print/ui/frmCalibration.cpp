#include "print/ui/frmCalibration.h"

#include "print/ui/PrintCommands.h"
#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/ReadingOrder.h"
#include "windows/ui/MainWindowServices.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plk {

namespace {

QDoubleSpinBox* numberField(QWidget* parent, double low, double high, int decimals, const QString& suffix)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setSingleStep(decimals == 1 ? kCalibrationOffsetStep : kCalibrationScaleStep);
    box->setSuffix(suffix);
    box->setAlignment(Qt::AlignRight);
    return box;
}

}  // namespace

frmCalibration::frmCalibration(PrintCommands& commands, QWidget* parent)
    : QDialog(parent),
      m_commands(commands),
      m_name(new QLabel(this)),
      m_print(new QPushButton(QStringLiteral("Imprimer la page d'étalonnage"), this)),
      m_ok(new QPushButton(QStringLiteral("OK"), this)),
      m_cancel(new QPushButton(QStringLiteral("Annuler"), this))
{
    setWindowTitle(QStringLiteral("Étalonner l'imprimante"));
    const QString mm = QStringLiteral(" mm"), percent = QStringLiteral(" %");
    for (int i : {0, 1, 4, 5})
        m_fields[std::size_t(i)] = numberField(this, -kMaxCalibrationOffset, kMaxCalibrationOffset, 1, mm);
    for (int i : {2, 3})
        m_fields[std::size_t(i)] = numberField(this, kMinCalibrationScale, kMaxCalibrationScale, 2, percent);

    auto* intro = new QLabel(QStringLiteral("Imprimez la page d'étalonnage, mesurez la position de ses croix et "
                                            "saisissez la correction : elle s'applique à chaque impression sur "
                                            "cette imprimante, pas à l'aperçu."),
                             this);
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    static const char* const kLabels[6] = {"Décalage horizontal :", "Décalage vertical :",
                                           "Échelle horizontale :", "Échelle verticale :",
                                           "Décalage du verso, horizontal :", "Décalage du verso, vertical :"};
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        form->addRow(QString::fromUtf8(kLabels[i]), m_fields[i]);

    m_ok->setDefault(true);
    connect(m_print, &QPushButton::clicked, this, [this] { m_commands.printCalibrationSheet(m_printer); });
    connect(m_ok, &QPushButton::clicked, this, &frmCalibration::accept);
    connect(m_cancel, &QPushButton::clicked, this, &frmCalibration::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setFixedWidth(440);
    ReadingOrder::follow(this);
}

void frmCalibration::setValues(const Calibration& c)
{
    const double values[6] = {c.offsetX, c.offsetY, c.scaleX, c.scaleY, c.backOffsetX, c.backOffsetY};
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setValue(values[i]);
}

Calibration frmCalibration::values() const
{
    const auto v = [this](int i) { return field(i)->value(); };
    return Calibration{v(0), v(1), v(2), v(3), v(4), v(5)}.rounded();
}

void frmCalibration::showFor(const QString& printer)
{
    m_printer = printer;
    m_name->setText(QStringLiteral("Imprimante : %1").arg(printer));
    setValues(CalibrationStore(m_commands.menu().paths().settingsFile()).forPrinter(printer));
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void frmCalibration::accept()
{
    for (QDoubleSpinBox* box : m_fields)
        box->interpretText();
    QString reason;
    if (!CalibrationStore(m_commands.menu().paths().settingsFile()).remember(m_printer, values(), &reason)) {
        m_commands.dialogs().message(
            this, QStringLiteral("L'étalonnage n'a pas pu être enregistré.\n\n%1").arg(reason),
            Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return;
    }
    QDialog::accept();
}

}  // namespace plk
