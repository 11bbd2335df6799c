#include "ShellResources.h"

#ifdef QUILLANE_HAVE_RESOURCES
#include "Resources.h"
#endif

namespace ShellArt {

#ifdef QUILLANE_HAVE_RESOURCES
QByteArray Data(QStringView name) { return ResourceData(name); }
QImage Image(QStringView name) { return ResourceImage(name); }
#else
QByteArray Data(QStringView) { return {}; }
QImage Image(QStringView) { return {}; }
#endif

QList<QImage> WinFrames() { return {}; }

} // namespace ShellArt

namespace ShellArt {
void SetCustomBack(const QImage&) {}
int BackCount() { return 3; }
} // namespace ShellArt
