#pragma once
// The label products the user may choose from: the open label-product database when
// Debian's package of it is installed, and the user's own files in the same format.
//
// Nothing is read until the first question; then every file is read once and the
// products are indexed by name and by the words a search looks for.

#include "catalogue/core/PaperSizes.h"
#include "catalogue/core/Product.h"

#include <QHash>
#include <QStringList>
#include <memory>

namespace plk {

/// Where Debian installs the label-product database.
inline const QString kPackageCatalogueFolder = QStringLiteral("/usr/share/libglabels-3.0/templates");

class Catalogue {
public:
    /// The files "*.xml" of the folders, in this order; a product named again in a
    /// later folder replaces the earlier one.
    explicit Catalogue(QStringList folders);
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    /// The package's folder, then the user's folder "Produits" of the program's folder.
    static QStringList defaultFolders(const QString& programFolder);

    const std::vector<Product>& products() const;
    /// The product named "BRAND PART" (case does not matter); null when none is.
    const Product* find(const QString& name) const;
    /// The products whose brand, part, description, paper, shape or size ("85x55")
    /// hold every word, in catalogue order.
    std::vector<const Product*> search(const QString& words) const;
    /// The paper of that id ("A4", "US-Letter", one of the catalogue's papers); null when none is.
    const PaperSize* paper(const QString& id) const;
    /// What could not be read, one line each.
    const QStringList& problems() const;

private:
    struct Index;
    const Index& index() const;

    QStringList m_folders;
    mutable std::unique_ptr<Index> m_index;
};

}  // namespace plk
