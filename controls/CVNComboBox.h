#pragma once

#include <QComboBox>
#include <QStringList>

namespace cvn {

// A combo box that keeps the entries for both unit systems; its visible items are a
// copy of one of them, chosen by the owner for the unit in force.
class TCVNComboBox : public QComboBox {
    Q_OBJECT

public:
    // The least height of a row of the open list.
    static constexpr int ItemHeight = 16;

    explicit TCVNComboBox(QWidget* parent = nullptr);

    QStringList& ImperialItems() { return FImperialItems; }
    const QStringList& ImperialItems() const { return FImperialItems; }
    void SetImperialItems(const QStringList& items) { FImperialItems = items; }
    QStringList& MetricItems() { return FMetricItems; }
    const QStringList& MetricItems() const { return FMetricItems; }
    void SetMetricItems(const QStringList& items) { FMetricItems = items; }

    // Empties the visible items, then ImperialItems, then MetricItems.
    void ClearAllItems();

private:
    QStringList FImperialItems;
    QStringList FMetricItems;
};

} // namespace cvn
