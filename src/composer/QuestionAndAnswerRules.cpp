#include "composer/QuestionAndAnswerRules.h"

namespace {

bool isEmpty(const std::optional<std::string>& value)
{
    return !value || value->empty();
}

} // namespace

int QuestionAndAnswerRules::validate(const std::optional<std::string>& question1,
                                     const std::optional<std::string>& answer1,
                                     const std::optional<std::string>& question2,
                                     const std::optional<std::string>& answer2)
{
    if (isEmpty(question1) && isEmpty(answer1) && isEmpty(question2) && isEmpty(answer2)) {
        return kAllEmpty;
    }
    if (isEmpty(question1)) {
        return kFirstQuestionEmpty;
    }
    if (isEmpty(answer1)) {
        return kFirstAnswerEmpty;
    }
    if (!isEmpty(question2) && isEmpty(answer2)) {
        return kSecondAnswerEmpty;
    }
    if (!isEmpty(answer2) && isEmpty(question2)) {
        return kSecondQuestionEmpty;
    }
    return kAccepted;
}
