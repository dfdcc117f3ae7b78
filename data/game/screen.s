; Character sets and screen memory. banks.bin holds banks 1-6 of the start-up pattern file
; (bank k at 1024 (k - 1), character c at 8 c, row r at r), made by the build from data/art.
        .include "record.inc"
        .export bank1, bank2, rows, text
        .import record

BANKS_BEFORE_RECORD = 5324              ; the record covers the rest of bank 6

        .segment "FONTS"
bank1:  .incbin "banks.bin", 0, 1024    ; upper halves of pattern set 1
bank2:  .incbin "banks.bin", 1024, 1024 ; lower halves of pattern set 1
        .incbin "banks.bin", 2048, BANKS_BEFORE_RECORD - 2048      ; sets 2 and 3
        .assert (bank1 .mod 1024) = 0, error, "character sets must start on a 1K boundary"
        .assert record = bank1 + BANKS_BEFORE_RECORD, error, "the record must follow bank 6's head"

; Screen memory: ten rows of 256 codes, one page each, with a page of margin on both sides:
; the fetch of a scrolled line reaches one byte before and up to 47 after its start, and ANTIC's
; address counter must not cross a 4K boundary within a line.
        .segment "SCREEN"
        .res 256
rows:   .res ROWS * 256
        .res 256
        .assert (rows - 256) / 4096 = (rows + ROWS * 256 + 255) / 4096, error, "screen rows cross 4K"
        .assert (rows .mod 256) = 0, error, "screen rows must start on a page"
text:   .res 80                         ; the two text lines
