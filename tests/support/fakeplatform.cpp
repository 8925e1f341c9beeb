#include "fakeplatform.h"

MsgResult FakePlatform::showMessage(const QString &text, const QString &title, MsgButtons buttons,
                                    MsgIcon icon)
{
    messages.append({text, title, buttons, icon});
    if (!answers.isEmpty())
        return answers.dequeue();
    switch (buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::RetryCancel: return MsgResult::Cancel;
    case MsgButtons::YesNo: return MsgResult::No;
    }
    return MsgResult::Ok;
}

std::optional<QString> FakePlatform::fileDialog(const FileDialogRequest &request)
{
    fileRequests.append(request);
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

std::optional<FontChoice> FakePlatform::fontDialog(const FontChoice &preset)
{
    fontPresets.append(preset);
    return fontAnswers.isEmpty() ? std::nullopt : fontAnswers.dequeue();
}

std::optional<quint32> FakePlatform::colourDialog(quint32 initial)
{
    colourInitials.append(initial);
    return colourAnswers.isEmpty() ? std::nullopt : colourAnswers.dequeue();
}

QStringList FakePlatform::messageTexts() const
{
    QStringList out;
    for (const Message &m : messages)
        out << m.text;
    return out;
}
