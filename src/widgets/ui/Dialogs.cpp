#include "widgets/ui/Dialogs.h"

#include "widgets/ui/FontChooser.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace plk {

namespace {

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Exclamation: return QMessageBox::Warning;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

std::optional<Dialogs::FileAnswer> runFileDialog(QWidget* parent, const Dialogs::FileRequest& r,
                                                 QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, r.title, r.directory);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(r.filters);
    if (r.filterIndex >= 0 && r.filterIndex < r.filters.size())
        dialog.selectNameFilter(r.filters.at(r.filterIndex));
    if (!r.fileName.isEmpty())
        dialog.selectFile(r.fileName);
    if (!r.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(r.defaultSuffix);
    dialog.setLabelText(QFileDialog::Accept, mode == QFileDialog::AcceptOpen ? QStringLiteral("Ouvrir")
                                                                              : QStringLiteral("Enregistrer"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Dialogs::FileAnswer{dialog.selectedFiles().constFirst(),
                               int(r.filters.indexOf(dialog.selectedNameFilter()))};
}

}  // namespace

QString Dialogs::FileRequest::withDefaultSuffix(const QString& path) const
{
    if (path.isEmpty() || defaultSuffix.isEmpty())
        return path;
    const QString ending = QLatin1Char('.') + defaultSuffix;
    if (QFileInfo(path).fileName().endsWith(ending, Qt::CaseInsensitive))
        return path;
    return path + ending;
}

Dialogs::Answer Dialogs::firstButton(Buttons buttons)
{
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

Dialogs::Answer QtDialogs::message(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
                                   const QString& title, std::optional<Answer> defaultButton)
{
    QMessageBox box(boxIcon(icon), title.isEmpty() ? applicationTitle() : title, text, QMessageBox::NoButton, parent);
    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    switch (buttons) {
    case Buttons::Ok: ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole); break;
    case Buttons::OkCancel:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        break;
    case Buttons::YesNo:
        yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
        break;
    case Buttons::YesNoCancel:
        yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        break;
    }
    switch (defaultButton.value_or(firstButton(buttons))) {
    case Answer::Ok: box.setDefaultButton(ok); break;
    case Answer::Yes: box.setDefaultButton(yes); break;
    case Answer::No: box.setDefaultButton(no); break;
    case Answer::Cancel: box.setDefaultButton(cancel); break;
    }
    box.exec();
    const auto* clicked = box.clickedButton();
    if (clicked && clicked == yes)
        return Answer::Yes;
    if (clicked && clicked == no)
        return Answer::No;
    if (clicked && clicked == ok)
        return Answer::Ok;
    return cancel ? Answer::Cancel : (no ? Answer::No : Answer::Ok);
}

std::optional<QString> QtDialogs::inputText(QWidget* parent, const QString& prompt, const QString& title,
                                            const QString& initial)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuler"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<Dialogs::FileAnswer> QtDialogs::openFile(QWidget* parent, const FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<Dialogs::FileAnswer> QtDialogs::saveFile(QWidget* parent, const FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QColor> QtDialogs::colour(QWidget* parent, const QColor& initial)
{
    QColorDialog dialog(initial, parent);
    dialog.setWindowTitle(QStringLiteral("Couleurs"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QFont> QtDialogs::font(QWidget* parent, const QFont& initial)
{
    FontChooser dialog(initial, std::nullopt, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

std::optional<Dialogs::FontChoice> QtDialogs::fontWithEffects(QWidget* parent, const FontChoice& initial)
{
    FontChooser dialog(initial.font, initial.colour, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{dialog.selectedFont(), dialog.selectedColour()};
}

}  // namespace plk
