// The characters the Symbol font shows at its byte codes, as Unicode: Greek letters, arrows,
// mathematical signs. Where text must be readable as characters (a printed PDF that can be
// searched and copied), Symbol-face text is carried as these.
#pragma once

// The Unicode character the Symbol font draws at `code`; 0 where it draws none or only a
// piece of a larger sign (the extenders and corners of big brackets and integrals).
char32_t SymbolCodeToUnicode(unsigned char code);
