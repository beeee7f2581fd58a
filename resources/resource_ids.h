#pragma once

// Identifiers shared by the resource script and the window code.
#define IDI_VERBALO 1
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
