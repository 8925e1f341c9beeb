#include "optiongroup.h"

#include "twips.h"

#include <QRadioButton>

OptionGroup::OptionGroup(QList<QRadioButton *> options, Action action,
                         const std::array<quint32, 2> *marking, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_action(std::move(action)), m_marking(marking)
{
    for (int i = 0; i < m_options.size(); ++i) {
        QRadioButton *o = m_options[i];
        o->setAutoExclusive(false); // the group keeps exactly one selected
        o->setChecked(false);
        connect(o, &QRadioButton::clicked, this, [this, i] { onClicked(i); });
    }
}

int OptionGroup::clampIndex(int index, int count)
{
    if (count <= 0 || index <= 0)
        return 0;
    return index >= count ? count - 1 : index;
}

void OptionGroup::select(int index)
{
    if (m_options.isEmpty())
        return;
    index = clampIndex(index, int(m_options.size()));
    if (index == m_selected)
        return;
    check(index);
    if (m_action)
        m_action(index);
}

void OptionGroup::onClicked(int index)
{
    // A click on the selected option unchecks it (autoExclusive is off): check it again and
    // run its action anyway.
    check(index);
    if (m_action)
        m_action(index);
}

void OptionGroup::check(int index)
{
    m_selected = index;
    for (int i = 0; i < m_options.size(); ++i)
        m_options[i]->setChecked(i == index);
}

int OptionGroup::selected() const
{
    return m_selected;
}

void OptionGroup::mark(int index)
{
    if (!m_marking)
        return;
    for (int i = 0; i < m_options.size(); ++i)
        setTextColor(m_options[i], (*m_marking)[i == index ? 1 : 0]);
}

QRadioButton *OptionGroup::option(int index) const
{
    return m_options.value(index);
}

int OptionGroup::count() const
{
    return int(m_options.size());
}

void setTextColor(QRadioButton *option, quint32 bgr)
{
    QPalette pal = option->palette();
    const QColor c = colorFromBgr(bgr);
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::ButtonText, c);
    pal.setColor(QPalette::Text, c);
    option->setPalette(pal);
}

quint32 textColor(const QRadioButton *option)
{
    return bgrFromColor(option->palette().color(QPalette::WindowText));
}
