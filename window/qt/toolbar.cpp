#include "window/qt/toolbar.h"

#include <QIcon>

#include "window/qt/input_form.h"
#include "window/qt/make_child.h"
#include "window/qt/toolbar_pictures.h"

namespace zarvek {

void BuildToolbar(QMainWindow& window, MainControls& controls) {
    controls.ImageList1 = MakeChild<ImageList>(&window);
    NameControl(*controls.ImageList1, "ImageList1", "");
    controls.ImageList2 = MakeChild<ImageList>(&window);
    NameControl(*controls.ImageList2, "ImageList2", "");
    for (const QPixmap& picture : DrawToolbarPictures(window.devicePixelRatioF())) {
        controls.ImageList1->pictures.push_back(picture);
        controls.ImageList2->pictures.push_back(Greyed(picture));
    }

    controls.Toolbar1 = window.addToolBar(QString());
    NameControl(*controls.Toolbar1, "Toolbar1", "");
    controls.Toolbar1->setMovable(false);
    controls.Toolbar1->setFloatable(false);
    controls.Toolbar1->setIconSize(QSize(kToolbarPictureSize, kToolbarPictureSize));
    controls.Toolbar1->toggleViewAction()->setVisible(false);
    for (std::size_t i = 0; i < kToolbarKeys.size(); ++i) {
        QIcon icon;
        icon.addPixmap(controls.ImageList1->pictures[i], QIcon::Normal);
        icon.addPixmap(controls.ImageList2->pictures[i], QIcon::Disabled);
        QAction* button = controls.Toolbar1->addAction(icon, QString());
        button->setProperty("Key", QString::fromLatin1(kToolbarKeys[i]));
        controls.toolbarButtons[i] = button;
    }
    controls.controlOrder.insert(controls.controlOrder.end(),
                                 {controls.Toolbar1, controls.ImageList1, controls.ImageList2});
}

}  // namespace zarvek
