// The value readers and writers of skin descriptions: how each kind of value is spelled in the text.
#pragma once

#include "bsIniText.h"
#include "bsSkinTypes.h"

#include <QString>
#include <QStringList>

// Every reader takes (section, key) of a parsed description. A key that is absent yields the
// reader's default; a key present with an empty value is read like any other text.

// Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X" (up to 32 bits); any other
// text, the empty text included, yields def.
qint32 ReadInteger(const TbsIniText& ini, const QString& section, const QString& key, qint32 def = 0);
TColor ReadColor(const TbsIniText& ini, const QString& section, const QString& key, TColor def = 0);
QString ReadString(const TbsIniText& ini, const QString& section, const QString& key,
                   const QString& def = {});
// True only for the integer 1 ("1", "01", "$1"); 0, 2, "true" and every other text give false.
bool ReadBoolean(const TbsIniText& ini, const QString& section, const QString& key);
// "X,Y": each comma-separated piece loses every character that is not a digit and is read as a
// decimal number; pieces beyond the second are ignored. A missing or digit-less piece raises
// EConvertError. Absent key: 0,0.
TPoint ReadPoint(const TbsIniText& ini, const QString& section, const QString& key);
// "Left,Top,Right,Bottom" under the number rule of ReadPoint. Absent key: 0,0,0,0.
TRect ReadRect(const TbsIniText& ini, const QString& section, const QString& key);
// Substring tests for "fsbold", "fsitalic", "fsunderline" and "fsstrikeout" (case-sensitive).
TFontStyles ReadFontStyles(const TbsIniText& ini, const QString& section, const QString& key);
// The number of entries a list section names under key: the integer, taken as at most the number
// of keys in the section, so that a corrupt count cannot run a reader through millions of entries.
qint32 ReadCount(const TbsIniText& ini, const QString& section, const QString& key);
// The list "<name>count" = N (ReadCount) followed by the keys "0" ... "N-1"; a missing numbered
// key gives "".
QStringList ReadStrings(const TbsIniText& ini, const QString& section, const QString& name);
// The enumeration readers compare names exactly; the tables in bsSkinValues.cpp give each
// reader's fallback for an unknown name and its default for an absent key.
TbsStretchType ReadStretchType(const TbsIniText& ini, const QString& section, const QString& key);
TbsMorphKind ReadMorphKind(const TbsIniText& ini, const QString& section, const QString& key);
TbsInActiveEffect ReadInActiveEffect(const TbsIniText& ini, const QString& section, const QString& key);
TAlignment ReadAlignment(const TbsIniText& ini, const QString& section, const QString& key);
TbsStdCommand ReadCommand(const TbsIniText& ini, const QString& section, const QString& key);

// The writers produce the forms the readers take: decimal integers, 1 or 0, "X,Y",
// "Left,Top,Right,Bottom", style names joined by ",", lower-case enumeration names.
void WriteInteger(TbsIniText& ini, const QString& section, const QString& key, qint32 value);
void WriteBoolean(TbsIniText& ini, const QString& section, const QString& key, bool value);
void WritePoint(TbsIniText& ini, const QString& section, const QString& key, const TPoint& value);
void WriteRect(TbsIniText& ini, const QString& section, const QString& key, const TRect& value);
void WriteFontStyles(TbsIniText& ini, const QString& section, const QString& key, TFontStyles value);
void WriteStrings(TbsIniText& ini, const QString& section, const QString& name, const QStringList& value);
void WriteStretchType(TbsIniText& ini, const QString& section, const QString& key, TbsStretchType value);
void WriteMorphKind(TbsIniText& ini, const QString& section, const QString& key, TbsMorphKind value);
void WriteInActiveEffect(TbsIniText& ini, const QString& section, const QString& key,
                         TbsInActiveEffect value);
void WriteAlignment(TbsIniText& ini, const QString& section, const QString& key, TAlignment value);
void WriteCommand(TbsIniText& ini, const QString& section, const QString& key, TbsStdCommand value);

// The same conversions on a value text alone, for readers that have already found their key:
// text is nullptr when the key is absent, and then def is the result. Every kind of record field
// has one DecodeValue and one EncodeValue overload.
namespace SkinValue {
bool ParseInteger(QStringView text, qint32& value);

qint32 DecodeValue(const QStringView* text, qint32 def);
bool DecodeValue(const QStringView* text, bool def);
QString DecodeValue(const QStringView* text, const QString& def);
TPoint DecodeValue(const QStringView* text, const TPoint& def);
TRect DecodeValue(const QStringView* text, const TRect& def);
TFontStyles DecodeValue(const QStringView* text, TFontStyles def);
TbsStretchType DecodeValue(const QStringView* text, TbsStretchType def);
TbsMorphKind DecodeValue(const QStringView* text, TbsMorphKind def);
TbsInActiveEffect DecodeValue(const QStringView* text, TbsInActiveEffect def);
TAlignment DecodeValue(const QStringView* text, TAlignment def);
TbsStdCommand DecodeValue(const QStringView* text, TbsStdCommand def);

QString EncodeValue(qint32 value);
QString EncodeValue(bool value);
QString EncodeValue(const QString& value);
QString EncodeValue(const TPoint& value);
QString EncodeValue(const TRect& value);
QString EncodeValue(TFontStyles value);
QString EncodeValue(TbsStretchType value);
QString EncodeValue(TbsMorphKind value);
QString EncodeValue(TbsInActiveEffect value);
QString EncodeValue(TAlignment value);
QString EncodeValue(TbsStdCommand value);
} // namespace SkinValue
