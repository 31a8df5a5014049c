#include "support/test_context.h"

#include "app/text_table.h"

namespace quiverel::test {

TestContext::TestContext(TestConverter converter, Desktop* otherDesktop)
    : ctx{state,
          converter == TestConverter::InProcess ? static_cast<Converter&>(inProcessConverter)
                                                : nullConverter,
          otherDesktop ? *otherDesktop : desktop,
          prompts,
          clock,
          windows,
          app.path()} {
    state.appFolder = app.path();
    app.write(QStringLiteral("ini/Language.ini"), shippedLanguageIni());
}

void TestContext::readTextTable() {
    loadTextTableFile(state.text, QStringLiteral("English"),
                      app.ini(QStringLiteral("Language.ini")), HeaderMatch::Startup);
}

} // namespace quiverel::test
