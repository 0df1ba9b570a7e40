// One contact as read from an ADIF log: fixed-size fields, text fields NUL-terminated and
// holding at most width - 1 bytes, stored exactly as they stand in the file (a UTF-8 name too
// long for its field is cut between characters).
#pragma once
#include <cstdarg>
#include <cstdint>
#include <string>

#include "core/message_lists.h"

// A value-initialised record (QsoRecord{}) is empty: texts "", numbers 0, no precedence.
struct QsoRecord {
  char age[4];           // operator's age: AGE
  char arrlSect[4];      // ARRL section: ARRL_SECT
  int32_t band;          // band in metres, leading number of BAND; 0 = none given
  char bandText[24];     // band as written, such as 20M, 70CM or False: BAND
  char call[16];         // contacted callsign: CALL
  int32_t check;         // Sweepstakes check: CHECK, CK, APP_WRITELOG_CK
  char cnty[8];          // county: CNTY, APP_WRITELOG_CNTY
  char contestClass[8];  // contest class, such as Field Day's 2A: CLASS
  char cqz[4];           // CQ zone: CQZ
  char dgtl[8];          // digital sub-mode: DGTL, APP_WRITELOG_DGTL
  char dok[4];           // German DOK: DOK
  char exchange1[16];    // first received exchange item: APP_N1MM_EXCHANGE1
  char freq[16];         // transmit frequency in MHz as written: FREQ
  char freqRx[16];       // receive frequency in MHz as written: FREQ_RX
  char grid[9];          // grid square, up to an 8-character locator: GRID, GRIDSQUARE
  char hq[8];            // headquarters designator: APP_N1MM_HQ
  char iota[8];          // IOTA reference: IOTA, APP_WRITELOG_IOTA
  char ituz[4];          // ITU zone: ITUZ
  char mode[16];         // mode, DIGITALVOICE whole: MODE
  char name[16];         // operator's name: NAME, NAME_SENT, APP_WRITELOG_FNAME, APP_WRITELOG_NAME
  char prec;             // Sweepstakes precedence letter, 0 = none: PREC, PRECEDENCE, APP_WRITELOG_P
  char pref[8];          // prefix: PREF, APP_WRITELOG_PREF
  char prov[4];          // province: APP_WRITELOG_PROV
  char qsoDate[16];      // date as written: QSO_DATE
  char qth[16];          // QTH, a town or a county code whole: QTH, APP_WRITELOG_QTH
  char rcvd[7];          // received exchange: RCVD, RCVD_QTH, APP_WRITELOG_ID/SPC, _RCV, _RCVD
  char rstRcvd[16];      // report received as written, such as 579, 5NN or -07: RST_RCVD
  char rstSent[16];      // report sent as written: RST_SENT
  char rxExch[32];       // received exchange text: RX_EXCH
  char rxPwr[8];         // received power: RX_PWR
  char section[8];       // section: SECTION
  char srx[8];           // received serial as text: SRX
  char srxString[16];    // received exchange as one text, such as Field Day's "1F CT": SRX_STRING
  char stx[8];           // sent serial as text: STX
  char state[4];         // state: STATE
  char submode[16];      // sub-mode of a mode, such as FT4 under MFSK: SUBMODE
  char exchTime[8];      // time item of an exchange: APP_WRITELOG_TIME
  char timeOn[8];        // start time as written: TIME_ON
  char timeOff[8];       // end time as written: TIME_OFF
  char veProv[4];        // Canadian province: VE_PROV
  char year[8];          // year item of an exchange: APP_WRITELOG_YEAR
  char zone[8];          // zone item of an exchange: APP_WRITELOG_ZONE
};

// The time a contact's QSO line shows, as read: TIME_ON, or TIME_OFF when TIME_ON is empty, as
// some loggers write only the end of a contact. Returns the empty text when both are empty.
const char* shownTime(const QsoRecord& record);

// How every message about a contact names it: "<call> on <date> at <time>", each as read; the
// time is the shown time.
std::string contactPrefix(const QsoRecord& record);

// A message about a contact: its prefix, then what the format makes of the arguments. Its kind
// is "%s on %s at %s" and the format.
MessageText contactMessage(const QsoRecord& record, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
// The same for an argument list, which it leaves to the caller to end.
MessageText contactMessageList(const QsoRecord& record, const char* format, va_list args);
