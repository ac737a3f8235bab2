#pragma once

// The heights of the main page's six rows, from what the page shows and the screen it is
// on. A value; any thread.
class CreateTransactionPageRowHeights {
public:
    enum Row : int { name, documentsHeader, documentList, addRecipient, recipientList, messageToAll, rowCount };

    struct Screen {
        bool regularByRegular = false;
        bool landscape = false;
    };

    CreateTransactionPageRowHeights(const Screen& screen, bool nameRowOpen, int documents, int signers)
        : screen_(screen), nameRowOpen_(nameRowOpen), documents_(documents), signers_(signers)
    {
    }

    double heightForRow(int row) const;

    static constexpr double listRowHeight = 65;
    static constexpr double openNameRowHeightRegular = 124;
    static constexpr double openNameRowHeightCompact = 103;

private:
    double documentListHeight() const;

    Screen screen_;
    bool nameRowOpen_;
    int documents_;
    int signers_;
};
