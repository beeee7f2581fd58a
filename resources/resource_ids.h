#pragma once

// Identifiers shared by the resource script and the window code.
#define IDI_VERBALO 1
#define IDI_ABOUT 2     // the About window's icon, also its pointer over the credit and version
#define IDI_PRODUCER 3  // the producer window's icon
#define IDR_MAIN_MENU 100
#define IDM_FINE 101
#define IDM_CASE_FIRST 110  // MAIUSCOLO; Minuscolo and Inizio Parola follow
#define IDM_PROGR 120
#define IDM_TALVO 121

#define IDC_LABEL2 200
#define IDC_TEXT1 201
#define IDC_LBFORMATTATO 202
#define IDC_TXTLETTERE 203
#define IDC_LABEL3 204

// The two information windows' dialog templates.
#define IDD_ABOUT 10
#define IDD_PRODUCER 11

// The About window frmAbout.
#define IDC_ABOUT_PICTURE1 300
#define IDC_ABOUT_LBLTITLE 301
#define IDC_ABOUT_LABEL1 302
#define IDC_ABOUT_LBLVERSION 303
#define IDC_ABOUT_LBLDESCRIPTION 304
#define IDC_ABOUT_FRAME1 305
#define IDC_ABOUT_LB_CR 306
#define IDC_ABOUT_CMDOK 307
#define IDC_ABOUT_CMDSYSINFO 308

// The producer window InfTalvo.
#define IDC_PRODUCER_PICTURE1 400
#define IDC_PRODUCER_LB_ADP0 401
#define IDC_PRODUCER_LB_ADP1 402
#define IDC_PRODUCER_LB_ADP3 403
#define IDC_PRODUCER_LB_ADP4 404
#define IDC_PRODUCER_LBINDIRIZZO 405
#define IDC_PRODUCER_LB_DATI 406
#define IDC_PRODUCER_LABEL3_0 407
#define IDC_PRODUCER_LABEL3_1 408
#define IDC_PRODUCER_LBMAIL 409
#define IDC_PRODUCER_LBSITO 410
#define IDC_PRODUCER_FRAME1 411
#define IDC_PRODUCER_LB_CR 412
#define IDC_PRODUCER_COMMAND1 413
#define IDC_PRODUCER_CMDINFOSYS 414
