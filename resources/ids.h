#pragma once
// Resource and control identifiers, grouped per window and dialog. Plain macros: the resource
// compiler reads this file too.

// Program icon.
#define IDI_VOCORIX 90

// Drill window: commands and controls.
#define CM_READY 101
#define CM_REFUSE 102
#define CM_CONTINUE 103
#define CM_ABOUT 104
#define CM_OPTIONS 105
#define IDC_WORD_DISPLAY 106
#define CM_LOCK 107
#define CM_HELP 108
#define IDG_RIGHT 110
#define IDG_TOTAL 111
#define IDG_RATE 112
#define IDG_COUNT 113
#define IDG_ANSWER 114
#define IDG_ORDER 115
#define CM_ZOOM_IN 116       /* system menu "Larger Text" */
#define CM_ZOOM_OUT 117      /* system menu "Smaller Text" */
#define CM_ZOOM_RESET 118    /* back to 100 % */
#define CM_PROGRESS 119      /* system menu "Progress...": the progress window */
#define IDC_ANSWER_BOX 200   /* + translation field number */
#define CM_CHECK_FIELD 299   /* the check key: the answer box that has the focus */
#define IDC_FIELD_BUTTON 300 /* + translation field number: its "?" button */
#define IDA_DRILL 400

// Answer box: keyboard table and commands. The hint commands are those of the hint rows
// (answer/hint_keys.h); ids_check.cpp holds them together.
#define IDA_ANSWER_BOX 401
#define CM_STARTING_WORD 502
#define CM_CONTIGUOUS_WORD 503
#define CM_STARTING_CHARS 504
#define CM_CONTIGUOUS_CHARS 505
#define CM_INTERLACING_CHARS 506
#define CM_INTERLACING_PHRASES 507
#define CM_WILDCARD_MATCHES 508
#define CM_TOGGLE_HINTS 511
#define CM_NEXT_HINT 512
#define CM_CLEAR_HINTS 513

// Progress window: its keys, its figures (drawn; their window text holds every figure) and the
// copy command. Its Close button is IDOK.
#define IDA_PROGRESS 402
#define IDC_PROGRESS_FIGURES 140
#define CM_PROGRESS_COPY 141

// Options dialog.
#define IDD_OPTIONS 120
#define IDC_FILE_NAME 121
#define CM_BROWSE 122
#define IDC_PART_OF_SPEECH 123
#define IDC_TRANSCRIPTION 124
#define IDC_THIRD_LANGUAGE 125
#define IDC_AGES 126
#define IDC_MAX_COUNT 127
#define CM_AGE_ADD 128
#define CM_AGE_REPLACE 129
#define CM_AGE_DELETE 130
#define CM_FUNCS 131
/* Its Help button is CM_HELP, as in the drill window. */

// Function keys dialog. Its hint switches carry the ids of the hint commands above
// (CM_STARTING_WORD to CM_WILDCARD_MATCHES).
#define IDD_KEYS 500
#define IDC_KEYS_COUNT 501
#define IDC_KEYS_TEST_INTERLACE 509
#define IDC_KEYS_TEST_ANSWERS_ORDER 510
