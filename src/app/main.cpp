#include "app/core/MemoryTuning.h"
#include "app/ui/SubMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    plk::keepLargeBlocksForReuse();
    QApplication app(argc, argv);
    return plk::SubMain(app);
}
