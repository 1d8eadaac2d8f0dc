#include "entry/DialogControls.h"

#include "controls/CoreText.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

namespace cvn {

QFrame* PlacePanel(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* panel = Place<QFrame>(parent, name, x, y, w, h);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

QComboBox* PlaceHistoryBox(QWidget* parent, const char* name, int x, int y, int w) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(x, y, w, 22);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMaxVisibleItems(8);
    return box;
}

QMenu* AttachPopupMenu(QComboBox* box, const char* name) {
    auto* menu = new QMenu(box);
    menu->setObjectName(QString::fromLatin1(name));
    for (QWidget* target : {static_cast<QWidget*>(box), static_cast<QWidget*>(box->lineEdit())}) {
        target->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(
            target, &QWidget::customContextMenuRequested, menu,
            [menu, target](const QPoint& pos) { menu->exec(target->mapToGlobal(pos)); });
    }
    return menu;
}

void MirrorHistoryBox(QComboBox* box, const TStrings& items, int itemIndex,
                      const std::string& text) {
    const QSignalBlocker block(box);
    QStringList wanted;
    for (const std::string& item : items) {
        wanted << QStr(item);
    }
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) {
        shown << box->itemText(i);
    }
    if (shown != wanted) {
        box->clear();
        box->addItems(wanted);
    }
    const int index = itemIndex < box->count() ? itemIndex : -1;
    if (box->currentIndex() != index) {
        box->setCurrentIndex(index);
    }
    if (box->currentText() != QStr(text)) {
        box->setEditText(QStr(text));
    }
}

} // namespace cvn
