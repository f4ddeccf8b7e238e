#pragma once
// "Choisir un produit...": the label products of the catalogue, searched by brand,
// part number, description, size, shape and paper; choosing one hands it over.
// The catalogue is read when the dialog is first shown.

#include "catalogue/core/Catalogue.h"

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace plk {

class ProductChooser : public QDialog {
    Q_OBJECT

public:
    /// The catalogue of these folders (Catalogue::defaultFolders for the program's).
    ProductChooser(QStringList folders, QWidget* parent);
    ~ProductChooser() override;

    QLineEdit* searchField() const { return m_search; }
    QTreeWidget* list() const { return m_list; }
    QLabel* countLabel() const { return m_count; }
    /// "Choisir", "Annuler".
    QPushButton* button(int index) const { return index == 0 ? m_choose : m_cancel; }

Q_SIGNALS:
    void productChosen(const plk::Product& product);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Catalogue& catalogue();
    void fill();
    void choose();

    QStringList m_folders;
    std::unique_ptr<Catalogue> m_catalogue;
    std::vector<const Product*> m_shown;
    QLineEdit* m_search;
    QTreeWidget* m_list;
    QLabel* m_count;
    QPushButton* m_choose;
    QPushButton* m_cancel;
};

}  // namespace plk
