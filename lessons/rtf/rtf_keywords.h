#pragma once
// The control words the reader acts on, each with the kind that decides how the builder treats
// it. Words not listed are ignored; unknown destinations marked with \* are skipped whole.
#include <QByteArrayView>
#include <cstdint>

namespace rtf {

enum class Kind : std::uint8_t {
    Destination,  // starts a group with a meaning of its own (font table, picture, field...)
    Flag,         // sets a property, no parameter
    Toggle,       // on, or off with a parameter of 0
    Value,        // sets a property to its parameter
    Symbol,       // stands for a character or a break
};

// Words that are C++ keywords (\operator, \private, \template) are listed in the .cpp file.
// clang-format off
#define RTF_KEYWORDS(X)                                                                        \
    X(aftncn, Destination) X(aftnsep, Destination) X(aftnsepc, Destination)                    \
    X(annotation, Destination) X(ansi, Flag) X(ansicpg, Value) X(atnauthor, Destination)       \
    X(atnid, Destination) X(author, Destination) X(b, Toggle) X(bkmkend, Destination)          \
    X(bkmkstart, Destination) X(blue, Value) X(brdrnone, Flag) X(bullet, Symbol)               \
    X(buptim, Destination) X(caps, Toggle) X(cb, Value) X(cbpat, Value) X(cell, Symbol)        \
    X(cellx, Value) X(cf, Value) X(chcbpat, Value) X(clbrdrb, Flag) X(clbrdrl, Flag)           \
    X(clbrdrr, Flag) X(clbrdrt, Flag) X(clcbpat, Value) X(colortbl, Destination)               \
    X(column, Symbol) X(comment, Destination) X(cpg, Value) X(creatim, Destination)            \
    X(cs, Value) X(deff, Value) X(deftab, Value) X(dibitmap, Value) X(dn, Value)               \
    X(doccomm, Destination) X(ds, Value) X(emdash, Symbol) X(emfblip, Flag) X(emspace, Symbol) \
    X(endash, Symbol) X(enspace, Symbol) X(f, Value) X(falt, Destination) X(fbidi, Flag)       \
    X(fcharset, Value) X(fdecor, Flag) X(fi, Value) X(field, Destination)                      \
    X(fldinst, Destination) X(fldrslt, Destination) X(fmodern, Flag) X(fnil, Flag)             \
    X(fonttbl, Destination) X(footer, Destination) X(footerf, Destination)                     \
    X(footerl, Destination) X(footerr, Destination) X(footnote, Destination) X(froman, Flag)   \
    X(fs, Value) X(fscript, Flag) X(fswiss, Flag) X(ftech, Flag) X(ftncn, Destination)         \
    X(ftnsep, Destination) X(ftnsepc, Destination) X(green, Value) X(header, Destination)      \
    X(headerf, Destination) X(headerl, Destination) X(headerr, Destination)                    \
    X(highlight, Value) X(i, Toggle) X(ilvl, Value) X(info, Destination) X(intbl, Flag)        \
    X(jpegblip, Flag) X(keywords, Destination) X(ldblquote, Symbol) X(levelnfc, Value)         \
    X(levelnfcn, Value) X(levelnumbers, Destination) X(leveltext, Destination) X(li, Value)    \
    X(line, Symbol) X(list, Destination) X(listid, Value) X(listlevel, Destination)            \
    X(listname, Destination) X(listoverride, Destination) X(listoverridetable, Destination)    \
    X(listpicture, Destination) X(listtable, Destination) X(listtext, Destination)             \
    X(lquote, Symbol) X(ls, Value) X(ltrmark, Symbol) X(mac, Flag) X(macpict, Flag)            \
    X(nestcell, Symbol) X(nestrow, Symbol) X(nesttableprops, Destination)                      \
    X(nonesttables, Destination) X(nonshppict, Destination) X(nosupersub, Flag)                \
    X(objdata, Destination) X(object, Destination) X(page, Symbol) X(par, Symbol)              \
    X(pard, Flag) X(pc, Flag) X(pca, Flag) X(pich, Value) X(pichgoal, Value)                   \
    X(picscalex, Value) X(picscaley, Value) X(pict, Destination) X(picw, Value)                \
    X(picwgoal, Value) X(plain, Flag) X(pmmetafile, Value) X(pn, Destination) X(pnb, Toggle)   \
    X(pncard, Flag) X(pncf, Value) X(pndec, Flag) X(pnf, Value) X(pnfs, Value)                 \
    X(pngblip, Flag) X(pni, Toggle) X(pnlcltr, Flag) X(pnlcrm, Flag) X(pnlvlblt, Flag)         \
    X(pnlvlbody, Flag) X(pnlvlcont, Flag) X(pnord, Flag) X(pnordt, Flag)                       \
    X(pntext, Destination) X(pntxta, Destination) X(pntxtb, Destination) X(pnucltr, Flag)      \
    X(pnucrm, Flag) X(printim, Destination) X(qc, Flag) X(qd, Flag) X(qj, Flag) X(ql, Flag)    \
    X(qmspace, Symbol) X(qr, Flag) X(rdblquote, Symbol) X(red, Value) X(result, Destination)   \
    X(revtbl, Destination) X(revtim, Destination) X(ri, Value) X(row, Symbol)                  \
    X(rquote, Symbol) X(rtlmark, Symbol) X(rxe, Destination) X(s, Value) X(sa, Value)          \
    X(sb, Value) X(scaps, Toggle) X(sect, Symbol) X(shp, Destination) X(shpinst, Destination)  \
    X(shppict, Destination) X(shprslt, Destination) X(sl, Value) X(slmult, Value)              \
    X(softline, Symbol) X(strike, Toggle) X(striked, Toggle) X(stylesheet, Destination)        \
    X(sub, Flag) X(subject, Destination) X(super, Flag) X(tab, Symbol) X(tb, Value)            \
    X(tc, Destination) X(title, Destination) X(tqc, Flag) X(tqdec, Flag) X(tqr, Flag)          \
    X(trbrdrb, Flag) X(trbrdrh, Flag) X(trbrdrl, Flag) X(trbrdrr, Flag) X(trbrdrt, Flag)       \
    X(trbrdrv, Flag) X(trgaph, Value) X(trleft, Value) X(trowd, Flag) X(trqc, Flag)            \
    X(trqr, Flag) X(ts, Value) X(tx, Value) X(txe, Destination) X(u, Value) X(uc, Value)       \
    X(ud, Destination) X(ul, Toggle) X(uld, Toggle) X(uldash, Toggle) X(uldashd, Toggle)       \
    X(uldashdd, Toggle) X(uldb, Toggle) X(ulhwave, Toggle) X(ulldash, Toggle) X(ulnone, Flag)  \
    X(ulth, Toggle) X(ulthd, Toggle) X(ulthdash, Toggle) X(ulthdashd, Toggle)                  \
    X(ulthdashdd, Toggle) X(ulthldash, Toggle) X(ululdbwave, Toggle) X(ulw, Toggle)            \
    X(ulwave, Toggle) X(up, Value) X(upr, Destination) X(userprops, Destination) X(v, Toggle)  \
    X(wbitmap, Value) X(wmetafile, Value) X(xe, Destination) X(zwj, Symbol) X(zwnj, Symbol)
// clang-format on

#define RTF_KEYWORD_ID(name, kind) name,
enum class Id : std::uint16_t { RTF_KEYWORDS(RTF_KEYWORD_ID) Unknown };
#undef RTF_KEYWORD_ID

struct Keyword {
    const char* name;
    Kind kind;
    Id id;
};

// The entry for a control word name, or nullptr when the reader does not know it.
const Keyword* findKeyword(QByteArrayView name);

}  // namespace rtf
