#pragma once

#include "ElidingLabel.h"

#include <QIcon>
#include <QPixmap>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace vastrel::catalogue {
class CheckListModel;
}

namespace vastrel::ui {

class CheckList;
class ImageControl;
class TextPane;

// The controls of the main window in their design state: kinds, captions, tooltips,
// pictures, fonts, what starts enabled or visible, and the geometry the load handler
// fixes. The window's handlers work on them; nothing here reacts to anything.
class MainControls
{
public:
    // The lists show the rows of the given models.
    void create(QWidget* window, catalogue::CheckListModel& albums,
                catalogue::CheckListModel& tracks, catalogue::CheckListModel& pictures);
    // The fixed geometry the layout relies on: label tops, list tops, button sizes.
    void placeFixed();

    QPushButton* cmdCopertina = nullptr;
    QPushButton* cmdSelAlbum = nullptr;
    QComboBox* cboMostra = nullptr;
    CheckList* lstJPEG = nullptr;
    QPushButton* cmdCopia = nullptr;
    QPushButton* cmdSelTesto = nullptr;
    QPushButton* cmdCercaAvanti = nullptr;
    QPushButton* cmdCercaTesto = nullptr;
    QPushButton* cmdSuona = nullptr;
    QPushButton* cmdSelBrani = nullptr;
    QPushButton* cmdCercaBrano = nullptr;
    QPushButton* chkOrdinaAZ = nullptr;
    CheckList* lstBrani = nullptr;
    CheckList* lstAlbum = nullptr;
    TextPane* txtBrani = nullptr;
    QLabel* lblRTF = nullptr;
    QPixmap imgVuoto;
    QLabel* lblMostra = nullptr;
    ImageControl* imgEC[2] = {nullptr, nullptr};
    ImageControl* imgInfo = nullptr;
    QIcon imgNoSel;
    QLabel* lblJPEG = nullptr;
    ImageControl* imgCopertina = nullptr;
    // The counters keep their figures when they are too narrow for their captions.
    ElidingLabel* lblBrani = nullptr;
    ElidingLabel* lblAlbum = nullptr;

private:
    QPushButton* button(QWidget* window, const char* name, const QString& tip,
                        const QString& picture, QSize size, bool enabled);
    template <typename Label = QLabel>
    Label* label(QWidget* window, const char* name, const QString& caption, QWidget* buddy);
    ImageControl* image(QWidget* window, const char* name, const QString& tip,
                        const QString& picture, Qt::CursorShape cursor);
    void createLists(QWidget* window, catalogue::CheckListModel& albums,
                     catalogue::CheckListModel& tracks, catalogue::CheckListModel& pictures);
    void createButtons(QWidget* window);
    void createLabelsAndImages(QWidget* window);
};

} // namespace vastrel::ui
