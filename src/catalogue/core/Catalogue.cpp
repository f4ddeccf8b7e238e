#include "catalogue/core/Catalogue.h"

#include "base/core/RegularFile.h"
#include "catalogue/core/ProductReader.h"

#include <QDir>
#include <algorithm>
#include <cmath>

namespace plk {

namespace {

constexpr qint64 kMostFileBytes = 16 * 1024 * 1024;
constexpr int kMostFilesPerFolder = 500;

QString sizeWords(QSizeF size)
{
    const auto mm = [](double v) { return QString::number(std::round(v * 10) / 10, 'g', 6); };
    return mm(size.width()) + QLatin1Char('x') + mm(size.height());
}

QString key(const QString& name) { return name.simplified().toCaseFolded(); }

}  // namespace

QString shapeName(LabelShape shape)
{
    switch (shape) {
    case LabelShape::Rectangle: return QStringLiteral("rectangle");
    case LabelShape::Round: return QStringLiteral("rond");
    case LabelShape::Ellipse: return QStringLiteral("ellipse");
    case LabelShape::Cd: return QStringLiteral("cd");
    case LabelShape::Continuous: return QStringLiteral("rouleau");
    }
    return {};
}

int Product::labelCount() const
{
    int n = 0;
    for (const ProductGrid& g : layouts)
        n += g.across * g.down;
    return n;
}

struct Catalogue::Index {
    std::vector<Product> products;
    std::vector<QString> searchText;
    QHash<QString, int> byName;
    std::vector<PaperSize> papers = standardPapers();
    QStringList problems;

    void addPaper(const PaperSize& paper)
    {
        for (PaperSize& p : papers)
            if (p.id == paper.id)
                return;
        papers.push_back(paper);
    }

    const PaperSize* paper(const QString& id) const
    {
        for (const PaperSize& p : papers)
            if (p.id == id)
                return &p;
        return nullptr;
    }

    void add(Product p)
    {
        const QString name = key(p.name());
        const QString text = key(QStringList{p.name(), p.description, p.paper, shapeName(p.label.shape),
                                             sizeWords(p.label.size)}
                                     .join(QLatin1Char(' ')));
        if (const auto found = byName.constFind(name); found != byName.constEnd()) {
            products[std::size_t(*found)] = std::move(p);
            searchText[std::size_t(*found)] = text;
            return;
        }
        byName.insert(name, int(products.size()));
        products.push_back(std::move(p));
        searchText.push_back(text);
    }
};

Catalogue::Catalogue(QStringList folders) : m_folders(std::move(folders)) {}

Catalogue::~Catalogue() = default;

QStringList Catalogue::defaultFolders(const QString& programFolder)
{
    return {kPackageCatalogueFolder, QDir(programFolder).filePath(QStringLiteral("Produits"))};
}

const Catalogue::Index& Catalogue::index() const
{
    if (m_index)
        return *m_index;
    auto index = std::make_unique<Index>();
    std::vector<CatalogueFile> files;
    for (const QString& folder : m_folders) {
        const QFileInfoList entries =
            QDir(folder).entryInfoList({QStringLiteral("*.xml")}, QDir::Files | QDir::Readable, QDir::Name);
        if (entries.size() > kMostFilesPerFolder)
            index->problems << QStringLiteral("%1 : plus de %2 fichiers, seuls les premiers sont lus")
                                   .arg(folder)
                                   .arg(kMostFilesPerFolder);
        for (const QFileInfo& entry : entries.mid(0, kMostFilesPerFolder)) {
            QString reason;
            const std::optional<QByteArray> xml = readRegularFile(entry.filePath(), kMostFileBytes, &reason);
            if (!xml) {
                index->problems << QStringLiteral("%1 : %2").arg(entry.filePath(), reason);
                continue;
            }
            files.push_back(readCatalogueFile(*xml, entry.filePath()));
            for (const PaperSize& p : files.back().papers)
                index->addPaper(p);
        }
    }
    // Papers first, since a file may name a paper another file describes.
    for (CatalogueFile& file : files) {
        index->problems << file.problems;
        for (Product& p : file.products) {
            if (!p.paper.isEmpty()) {
                const PaperSize* paper = index->paper(p.paper);
                if (!paper) {
                    index->problems << QStringLiteral("%1 : papier « %2 » inconnu").arg(p.name(), p.paper);
                    continue;
                }
                p.paper = paper->name;
                p.paperSize = paper->size;
            }
            index->add(std::move(p));
        }
    }
    for (const CatalogueFile& file : files) {
        for (const ProductAlias& alias : file.aliases) {
            const auto same = index->byName.constFind(key(alias.brand + QLatin1Char(' ') + alias.sameAs));
            if (same == index->byName.constEnd()) {
                index->problems << QStringLiteral("%1 %2 : équivalent de « %3 », inconnu")
                                       .arg(alias.brand, alias.part, alias.sameAs);
                continue;
            }
            Product p = index->products[std::size_t(*same)];
            p.part = alias.part;
            index->add(std::move(p));
        }
    }
    m_index = std::move(index);
    return *m_index;
}

const std::vector<Product>& Catalogue::products() const { return index().products; }

const QStringList& Catalogue::problems() const { return index().problems; }

const PaperSize* Catalogue::paper(const QString& id) const { return index().paper(id); }

const Product* Catalogue::find(const QString& name) const
{
    const Index& i = index();
    const auto found = i.byName.constFind(key(name));
    return found == i.byName.constEnd() ? nullptr : &i.products[std::size_t(*found)];
}

std::vector<const Product*> Catalogue::search(const QString& words) const
{
    const Index& i = index();
    QStringList wanted = key(words).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& w : wanted)
        w.replace(QLatin1Char(','), QLatin1Char('.'));  // 63,5 as a French user types it
    std::vector<const Product*> found;
    for (std::size_t n = 0; n < i.products.size(); ++n) {
        const QString& text = i.searchText[n];
        if (std::all_of(wanted.cbegin(), wanted.cend(), [&text](const QString& w) { return text.contains(w); }))
            found.push_back(&i.products[n]);
    }
    return found;
}

}  // namespace plk
