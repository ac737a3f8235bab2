#pragma once

#include <optional>
#include <string>

// The checks of a recipient's two security questions. A value counts as empty when it
// is absent or has no characters; blanks count as given. The second pair may be left
// out as a whole.
class QuestionAndAnswerRules {
public:
    static constexpr int kAccepted = 0;
    static constexpr int kFirstQuestionEmpty = 2;
    static constexpr int kFirstAnswerEmpty = 3;
    static constexpr int kSecondQuestionEmpty = 4;
    static constexpr int kSecondAnswerEmpty = 5;
    static constexpr int kAllEmpty = 6;

    static int validate(const std::optional<std::string>& question1, const std::optional<std::string>& answer1,
                        const std::optional<std::string>& question2, const std::optional<std::string>& answer2);
};
