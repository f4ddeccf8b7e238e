#pragma once
// Reading one file of a label catalogue: the XML format of the open label-product
// database Debian ships (a root "Glabels-templates" of Template elements, or
// "Glabels-paper-sizes" of Paper-size elements). Other roots give nothing.
//
// A product that cannot be read is left out and told, with the file's name and the
// line; the others are kept. A file that is no well-formed XML stops at the fault.

#include "catalogue/core/PaperSizes.h"
#include "catalogue/core/Product.h"

#include <QByteArray>
#include <QStringList>

namespace plk {

/// A product sold under another part number: the same labels as `part` of `brand`.
struct ProductAlias {
    QString brand;
    QString part;
    QString sameAs;
};

struct CatalogueFile {
    /// Products as read: `paper` holds the paper's id until the catalogue names it.
    std::vector<Product> products;
    std::vector<ProductAlias> aliases;
    std::vector<PaperSize> papers;
    QStringList problems;  // French, each naming the file and the line
};

CatalogueFile readCatalogueFile(const QByteArray& xml, const QString& fileName);

}  // namespace plk
