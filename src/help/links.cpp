// The about box command and the web links of the menus.
#include "help/links.h"
#include "shell/form1.h"

namespace qf {

void TForm1::OpenAddress(std::string_view address) {
    ports_.shell.Open(std::string(address), ShowMode::Normal);
}

void TForm1::N17Click() { ports_.about.ShowAbout(); }

// The upgrade page is this program's own page.
void TForm1::N37Click() { mr6Click(); }

void TForm1::mr1Click() { OpenAddress(links::mr1.address); }
void TForm1::mr2Click() { OpenAddress(links::mr2.address); }
void TForm1::mr3Click() { OpenAddress(links::mr3.address); }
void TForm1::mr4Click() { OpenAddress(links::mr4.address); }
void TForm1::mr5Click() { OpenAddress(links::mr5.address); }
void TForm1::mr6Click() { OpenAddress(links::mr6.address); }
void TForm1::mr7Click() { OpenAddress(links::mr7.address); }
void TForm1::mr8Click() { OpenAddress(links::mr8.address); }
void TForm1::mr9Click() { OpenAddress(links::mr9.address); }
void TForm1::mr10Click() { OpenAddress(links::mr10.address); }
void TForm1::my2Click() { OpenAddress(links::my2.address); }
void TForm1::my3Click() { OpenAddress(links::my3.address); }
void TForm1::my4Click() { OpenAddress(links::my4.address); }
void TForm1::my5Click() { OpenAddress(links::my5.address); }
void TForm1::my6Click() { OpenAddress(links::my6.address); }
void TForm1::my8Click() { OpenAddress(links::my8.address); }
void TForm1::my10Click() { OpenAddress(links::my10.address); }

}  // namespace qf
