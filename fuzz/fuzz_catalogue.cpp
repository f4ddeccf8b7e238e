// The label-product catalogue's reader on any bytes: every product it keeps has a size
// and a grid within bounds, and a project laid out for it writes and reads back whole.
#include "FuzzSupport.h"

#include "canvas/core/Etiquette.h"
#include "catalogue/core/ProductLayout.h"
#include "catalogue/core/ProductReader.h"

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    plk::fuzz::initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const plk::CatalogueFile file = plk::readCatalogueFile(plk::fuzz::bytes(data, size), QStringLiteral("fuzz.xml"));
    for (plk::Product p : file.products) {
        const QSizeF label = p.label.size;
        if (!(label.width() > 0 && label.height() > 0 && label.width() <= 10000 && label.height() <= 10000) ||
            p.layouts.empty())
            plk::fuzz::finding("a product without a size or a grid", p.name());
        for (const plk::ProductGrid& g : p.layouts)
            if (g.across < 1 || g.down < 1 || g.across > 1000 || g.down > 1000 || !std::isfinite(g.pitchAcross) ||
                !(g.pitchAcross > 0) || !(g.pitchDown > 0))
                plk::fuzz::finding("a grid out of bounds", p.name());
        if (p.paper.isEmpty() && p.paperSize.isEmpty())
            plk::fuzz::finding("a product of its own paper without a size", p.name());
        // As the catalogue names a paper: this one is A5.
        if (!p.paper.isEmpty())
            p = plk::Product{p.brand, p.part, p.description, QStringLiteral("A5"), {148, 210}, p.label, p.layouts};
        plk::Project project;
        project.tab(1).NewProjet(QStringLiteral("Produit"), 10, 10, 0, 0, false, false, true);
        plk::useProduct(project.tab(1), p);
        plk::fuzz::paintWriteAndReadBack(project);
    }
    return 0;
}
