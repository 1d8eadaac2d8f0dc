#include "app/Look.h"

#include "controls/ProgramFonts.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace cvn {

namespace {

// Fusion, with two things the windows are laid out for: lists open below their box,
// and group boxes whose caption sits on the frame line, so that the controls placed
// at fixed positions inside them clear the caption.
class TCorvaneStyle : public QProxyStyle {
public:
    TCorvaneStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            return QProxyStyle::subControlRect(control, option, sub, widget);
        }
        const int textHeight = box->fontMetrics.height();
        const QRect frame = box->rect.adjusted(0, textHeight / 2, 0, 0);
        switch (sub) {
        case SC_GroupBoxLabel:
            return {8, 0, box->fontMetrics.horizontalAdvance(box->text), textHeight};
        case SC_GroupBoxFrame:
            return frame;
        case SC_GroupBoxContents:
            return frame.adjusted(2, textHeight / 2 + 2, -2, -2);
        default:
            return {};
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        painter->save();
        // An etched frame: a grey line with a white one beside it.
        const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
        const QColor shadow = box->palette.color(QPalette::Mid);
        painter->setPen(shadow);
        painter->drawRect(frame.adjusted(0, 0, -2, -2));
        painter->setPen(box->palette.color(QPalette::Light));
        painter->drawRect(frame.adjusted(1, 1, -1, -1));
        const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
        if (!box->text.isEmpty()) {
            painter->fillRect(label, box->palette.color(QPalette::Window));
            drawItemText(painter, label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                         box->palette, box->state.testFlag(State_Enabled), box->text,
                         QPalette::WindowText);
        }
        painter->restore();
    }
};

} // namespace

void SetUpLook(QApplication& app) {
    app.setStyle(new TCorvaneStyle);
    RegisterProgramFonts();
    app.setFont(TahomaFont(Points8));
}

} // namespace cvn
