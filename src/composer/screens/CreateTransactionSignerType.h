#pragma once

// The kinds of recipient, in the order the recipient rows and the add/edit recipient page
// know them.
enum class CreateTransactionSignerType {
    // The signed-in user.
    myself,
    // Any other person.
    recipient,
    // A recipient whose details are still to be entered (its e-mail carries the
    // placeholder domain); also a new recipient whose source is not chosen yet.
    placeholder,
    // A signing group of the account.
    group,
};

// The icon-font glyph that shows the kind.
constexpr const char* glyphForSignerType(CreateTransactionSignerType type)
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
