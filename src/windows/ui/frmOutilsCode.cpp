// The tool box's CODE page: the kind and data of the selected code, whether its text
// shows, its size and colour, and the business-card helper that writes a contact
// into a QR code. Kind and data go to the code together, once checked: data the kind
// cannot carry is refused with the reason and the code stays as it was.

#include "windows/ui/frmOutils.h"

#include "barcode/core/VCard.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/TxtBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace plk {

namespace {

constexpr int kDataLines = 3;

/// The kinds in the list: the first nine as they always were, then the others under a
/// heading per use, which cannot be chosen itself.
void fillKindList(QComboBox* list)
{
    const std::pair<BarcodeUse, const char*> groups[] = {{BarcodeUse::First, nullptr},
                                                         {BarcodeUse::Products, "Produits"},
                                                         {BarcodeUse::Logistics, "Logistique"},
                                                         {BarcodeUse::TwoDimensional, "Codes 2D"},
                                                         {BarcodeUse::Other, "Autres"}};
    auto* model = qobject_cast<QStandardItemModel*>(list->model());
    for (const auto& [use, heading] : groups) {
        if (heading) {
            list->insertSeparator(list->count());
            list->addItem(QString::fromUtf8(heading));
            model->item(list->count() - 1)->setEnabled(false);
        }
        for (const BarcodeKind kind : kBarcodeKinds)
            if (barcodeKindUse(kind) == use)
                list->addItem(barcodeKindTitle(kind), int(kind));
    }
}

BarcodeKind chosenKind(const QComboBox* list) { return BarcodeKind(list->currentData().toInt()); }

}  // namespace

QWidget* frmOutils::buildCodePage()
{
    auto* page = new QWidget;
    QVBoxLayout* outer = pageLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    m_codePanels = new QStackedWidget(page);
    outer->addWidget(m_codePanels);

    auto* main = new QWidget(m_codePanels);
    QVBoxLayout* layout = pageLayout(main);
    QGroupBox* content = addGroup(layout, QStringLiteral("Contenu du code :"));
    m_codeKind = new QComboBox(content);
    fillKindList(m_codeKind);
    contents(content)->addWidget(m_codeKind);
    m_codeData = new QPlainTextEdit(content);
    m_codeData->setTabChangesFocus(true);
    m_codeData->setFixedHeight(m_codeData->fontMetrics().lineSpacing() * kDataLines + 10);
    contents(content)->addWidget(m_codeData);
    auto* buttons = new QHBoxLayout;
    contents(content)->addLayout(buttons);
    m_codeApply = addButton(buttons, QStringLiteral("Appliquer"), QStringLiteral("Donner ces données au code"));
    m_vCard = addButton(buttons, QStringLiteral("Carte de visite (vCard)"),
                            QStringLiteral("Composer un QR code de contact"));

    QGroupBox* properties = addGroup(layout, QStringLiteral("Propriétés du code :"));
    QGridLayout* grid = addGrid(properties);
    m_codeWidth = addMillimetreField(grid, 0, QStringLiteral("Largeur :"), 1);
    m_codeHeight = addMillimetreField(grid, 1, QStringLiteral("Hauteur :"), 1);
    auto* row = new QHBoxLayout;
    contents(properties)->addLayout(row);
    m_codeColour = addButton(row, QStringLiteral("Couleur"), QStringLiteral("Couleur des barres"));
    m_codeText = new QCheckBox(QStringLiteral("Texte lisible"), properties);
    m_codeText->setToolTip(QStringLiteral("Afficher les chiffres sous les barres"));
    row->addWidget(m_codeText);
    layout->addStretch(1);
    m_codePanels->addWidget(main);
    m_codePanels->addWidget(buildVCardPanel());

    connect(m_codeKind, &QComboBox::currentIndexChanged, this, [this] { showTextChoice(); });
    connect(m_codeApply, &QPushButton::clicked, this, &frmOutils::applyCode);
    connect(m_vCard, &QPushButton::clicked, this, [this] { m_codePanels->setCurrentIndex(1); });
    connect(m_codeWidth.box, &TxtBox::Change, this, &frmOutils::codeSizeChanged);
    connect(m_codeHeight.box, &TxtBox::Change, this, &frmOutils::codeSizeChanged);
    connect(m_codeColour, &QPushButton::clicked, this, &frmOutils::chooseCodeColour);
    connect(m_codeText, &QCheckBox::clicked, this,
            [this](bool ticked) { changeCode([ticked](CodeObject& c) { c.ShowText = ticked; }); });
    editsKind(ObjectKind::Code, page, [this](const TabObject& o) { showCode(static_cast<const CodeElement&>(o)); },
                                 [this] { m_codePanels->setCurrentIndex(0); });
    return page;
}

QWidget* frmOutils::buildVCardPanel()
{
    auto* panel = new QWidget;
    QVBoxLayout* layout = pageLayout(panel);
    QGroupBox* card = addGroup(layout, QStringLiteral("Carte de visite (vCard) :"));
    auto* form = new QFormLayout;
    contents(card)->addLayout(form);
    static const char* const kCaptions[kVCardFields] = {"Nom :", "Société :", "Téléphone :", "E-mail :", "Site web :"};
    for (int k = 0; k < kVCardFields; ++k) {
        auto* field = new QLineEdit(card);
        form->addRow(QString::fromUtf8(kCaptions[k]), field);
        m_vCardFields[std::size_t(k)] = field;
    }
    auto* buttons = new QHBoxLayout;
    contents(card)->addLayout(buttons);
    m_vCardCreate = addButton(buttons, QStringLiteral("Créer le QR code"),
                                  QStringLiteral("Donner ce contact au code, en QR code"));
    QPushButton* back = addButton(buttons, QStringLiteral("Retour"));
    layout->addStretch(1);
    connect(m_vCardCreate, &QPushButton::clicked, this, &frmOutils::createVCard);
    connect(back, &QPushButton::clicked, this, [this] { m_codePanels->setCurrentIndex(0); });
    return panel;
}

void frmOutils::showCode(const CodeObject& code)
{
    const QScopedValueRollback filling(m_filling, true);
    m_codeKind->setCurrentIndex(m_codeKind->findData(int(code.Kind)));
    m_codeData->setPlainText(code.Data);
    m_codeText->setChecked(code.ShowText);
    showTextChoice();
    showNumber(m_codeWidth.box, code.Width);
    showNumber(m_codeHeight.box, code.Height);
}

void frmOutils::clearCode()
{
    const QScopedValueRollback filling(m_filling, true);
    m_codeData->clear();
    showNumber(m_codeWidth.box, 1);
    showNumber(m_codeHeight.box, 1);
}

void frmOutils::showTextChoice() { m_codeText->setEnabled(isLinear(chosenKind(m_codeKind))); }

void frmOutils::changeCode(const std::function<void(CodeObject&)>& change)
{
    edit([&](Etiquette& t) {
        const int c = t.CodeFocus();
        if (c < 1 || c > t.codeCount())
            return;
        CodeObject values = t.code(c);
        change(values);
        t.SetCode(c, values);
        showCode(t.code(c));
    });
}

void frmOutils::applyCode()
{
    const BarcodeKind kind = chosenKind(m_codeKind);
    const QString data = m_codeData->toPlainText();
    changeCode([kind, &data](CodeObject& c) {
        // A code that becomes linear, or two-dimensional, takes the shape of its new kind.
        if (defaultCodeSize(kind) != defaultCodeSize(c.Kind)) {
            c.Width = defaultCodeSize(kind).width();
            c.Height = defaultCodeSize(kind).height();
        }
        c.Kind = kind;
        c.Data = data;
    });
}

void frmOutils::codeSizeChanged()
{
    if (m_filling)
        return;
    const auto width = number(m_codeWidth.box);
    const auto height = number(m_codeHeight.box);
    if (width && height && *width > 0 && *height > 0)
        changeCode([w = *width, h = *height](CodeObject& c) {
            c.Width = w;
            c.Height = h;
        });
}

void frmOutils::chooseCodeColour()
{
    const Etiquette* t = surface();
    if (!t || t->CodeFocus() < 1 || t->CodeFocus() > t->codeCount())
        return;
    if (const auto colour = m_menu.dialogs().colour(this, toQColor(t->code(t->CodeFocus()).ForeColor)))
        changeCode([&colour](CodeObject& code) { code.ForeColor = fromQColor(*colour); });
}

void frmOutils::createVCard()
{
    const VCardFields fields{m_vCardFields[0]->text(), m_vCardFields[1]->text(), m_vCardFields[2]->text(),
                             m_vCardFields[3]->text(), m_vCardFields[4]->text()};
    const QString data = vCardData(fields);
    if (data.isEmpty()) {
        m_menu.dialogs().message(this, QStringLiteral("Remplissez au moins un champ de la carte de visite."),
                                 Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return;
    }
    {
        const QScopedValueRollback filling(m_filling, true);
        m_codeKind->setCurrentIndex(0);  // QR code
        m_codeData->setPlainText(data);
    }
    m_codePanels->setCurrentIndex(0);
    applyCode();
}

}  // namespace plk
