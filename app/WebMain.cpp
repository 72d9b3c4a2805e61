// The album in a web browser: the page has set up the album's folder (the saves read
// back from the browser's storage) and made it the current directory. The page's
// address may name the album to open: "?album=Ann".
#include "app/WinMain.h"
#include "platform/machines/web/Browser.h"
#include "platform/user/User.h"

int main() {
    const Browser browser;
    return WinMain(ProgramInstance(), nullptr, Browser::AlbumOfPage().c_str(), SW_SHOWNORMAL);
}
