// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>

namespace ravelin {

// A control of the window's columns as a reader finds it: as Qt's own
// interface of its kind shows it, but not showing while the import panel
// or the info viewer covers it whole. Qt 6.4 keeps the interfaces of the
// kinds of controls to itself, so this one holds Qt's and hands every
// question on to it.
class ColumnControlAccessible : public QAccessibleInterface {
public:
    // Takes over Qt's own interface of the control.
    explicit ColumnControlAccessible(QAccessibleInterface& own);
    ~ColumnControlAccessible() override;
    ColumnControlAccessible(const ColumnControlAccessible&) = delete;
    ColumnControlAccessible& operator=(const ColumnControlAccessible&) = delete;

    bool isValid() const override { return own_.isValid(); }
    QObject* object() const override { return own_.object(); }
    QWindow* window() const override { return own_.window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return own_.relations(match);
    }
    QAccessibleInterface* focusChild() const override { return own_.focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return own_.childAt(x, y); }
    QAccessibleInterface* parent() const override { return own_.parent(); }
    QAccessibleInterface* child(int index) const override { return own_.child(index); }
    int childCount() const override { return own_.childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return own_.indexOfChild(child);
    }
    QString text(QAccessible::Text which) const override { return own_.text(which); }
    void setText(QAccessible::Text which, const QString& text) override
    {
        own_.setText(which, text);
    }
    QRect rect() const override { return own_.rect(); }
    QAccessible::Role role() const override { return own_.role(); }
    QAccessible::State state() const override;
    QColor foregroundColor() const override { return own_.foregroundColor(); }
    QColor backgroundColor() const override { return own_.backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return own_.interface_cast(type);
    }
    void virtual_hook(int id, void* data) override { own_.virtual_hook(id, data); }

protected:
    QAccessibleInterface& own() const { return own_; }

private:
    QAccessibleInterface& own_;
};

} // namespace ravelin
