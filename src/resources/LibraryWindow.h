#pragma once
// The floating library windows: "Shared Documents" (the documents library) and "Images" (the image
// library), each a resizable tool window on top of the others with its list and actions. Only pointers
// cross this header, so the module stays free of widgets.

#include <QString>

#include <memory>

class QObject;
class QWidget;

namespace orv {

class TResourceLibrary;

class ILibraryWindow {
public:
    virtual ~ILibraryWindow() = default;
    // Shows the window detached and on top, and asks for its list.
    virtual void ShowFloating() = 0;
    virtual QWidget* Widget() = 0;
};

// `dataFolder`: where the folder chooser of "Download" opens.
std::unique_ptr<ILibraryWindow> NewDocumentsWindow(TResourceLibrary& library, const QString& dataFolder);
std::unique_ptr<ILibraryWindow> NewImagesWindow(TResourceLibrary& library);

} // namespace orv
