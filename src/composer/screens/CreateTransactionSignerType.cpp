#include "composer/screens/CreateTransactionSignerType.h"

std::string glyphForSignerType(CreateTransactionSignerType type)
{
    switch (type) {
    case CreateTransactionSignerType::myself:
        return "v";
    case CreateTransactionSignerType::recipient:
        return "p";
    case CreateTransactionSignerType::placeholder:
        return "5";
    case CreateTransactionSignerType::group:
        return ">";
    }
    return "p";
}
