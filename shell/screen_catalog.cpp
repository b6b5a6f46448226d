#include "shell/screens.h"

const ScreenCatalog& screenCatalog() {
    static const ScreenCatalog catalog = {&form1(), &form2(),  &form3(), &form4(),
                                          &form5(), &form6(),  &form7(), &form8(),
                                          &form9(), &form10(), &form11()};
    return catalog;
}
