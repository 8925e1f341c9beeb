#pragma once

#include <QList>
#include <QObject>
#include <array>
#include <functional>

class QRadioButton;

/**
 * Option buttons that behave as one radio group: a user click runs the option's action (also on
 * the selected one); selecting in code runs it only when the option was not selected yet.
 * Marked groups show the selected option in optionColors[1] and the others in optionColors[0].
 */
class OptionGroup final : public QObject
{
    Q_OBJECT
public:
    using Action = std::function<void(int index)>;

    /** marking: the two colours of marked groups, or nullptr for groups that are not marked. */
    OptionGroup(QList<QRadioButton *> options, Action action,
                const std::array<quint32, 2> *marking, QObject *parent = nullptr);

    /** Selects in code: runs the action only when the option was not selected (index clamped). */
    void select(int index);
    /** The selected option's index, -1 before the first selection. */
    int selected() const;
    /** Marks option index blue and the others black (marked groups only). */
    void mark(int index);
    QRadioButton *option(int index) const;
    int count() const;

    /** An index clamped into 0..count-1 (count 0 gives 0). */
    static int clampIndex(int index, int count);

private:
    void check(int index);
    void onClicked(int index);

    QList<QRadioButton *> m_options;
    Action m_action;
    const std::array<quint32, 2> *m_marking;
    int m_selected = -1;
};

/** Sets the text colour of an option (or any control) from a 0x00BBGGRR value. */
void setTextColor(QRadioButton *option, quint32 bgr);
/** The text colour of an option as 0x00BBGGRR. */
quint32 textColor(const QRadioButton *option);
