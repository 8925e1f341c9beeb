#include "optiongroup.h"

#include <QRadioButton>

// TODO(settings-a): the real selection rule and marking.
OptionGroup::OptionGroup(QList<QRadioButton *> options, Action action,
                         const std::array<quint32, 2> *marking, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_action(std::move(action)), m_marking(marking)
{
}

void OptionGroup::select(int index)
{
    m_selected = index;
}

int OptionGroup::selected() const
{
    return m_selected;
}

void OptionGroup::mark(int) {}

QRadioButton *OptionGroup::option(int index) const
{
    return m_options.value(index);
}

int OptionGroup::count() const
{
    return int(m_options.size());
}
