        LDA #$00
        STA $2c0
        STA $D012
        
        LDA 
        STA $2c1
        STA $D013
        
        LDA 
        STA $2c2
        STA $D014
        
        LDA 
        STA $2c3
        STA $D015
        
        LDA 
        STA $2c4
        STA $D016
        
        LDA 
        STA $2c5
        STA $D017
        
        LDA 
        STA $2c6
        STA $D018
        
        LDA 
        STA $2c7
        STA $D019
        
        LDA 
        STA $2c8
        STA $D01A
        
 //#####################################       
        
 //################ 2 ##################        
 
        STA WSYNC 
   //pre
        LDA 
        STA $D013
        LDA 
        STA $D014
        LDA 
        STA $D015
        LDA 
        STA $D016
        LDA 
        STA $D017
        LDA 
        STA $D018
        LDA 
        STA $D019
        LDA 
        STA $D01A
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 3 ##################        
 
        STA WSYNC 
   //pre
        LDA 
        STA $D013
        LDA 
        STA $D014
        LDA 
        STA $D015
        LDA 
        STA $D016
        LDA 
        STA $D017
        LDA 
        STA $D018
        LDA 
        STA $D019
        LDA 
        STA $D01A
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 4 ##################        
 
        STA WSYNC 
   //pre
        LDA 
        STA $D013
        LDA 
        STA $D014
        LDA 
        STA $D015
        LDA 
        STA $D016
        LDA 
        STA $D017
        LDA 
        STA $D018
        LDA 
        STA $D019
        LDA #$FF
        STA $D01A
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 5 ##################        
 
        STA WSYNC 
   //pre
        LDA 
        STA $D013
        LDA 
        STA $D014
        LDA 
        STA $D015
        LDA 
        STA $D016
        LDA 
        STA $D017
        LDA 
        STA $D018
        LDA 
        STA $D019
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 6 ##################        
 
        STA WSYNC 
   //pre
        LDA 
        STA $D013
        LDA 
        STA $D014
        LDA 
        STA $D015
        LDA 
        STA $D016
        LDA 
        STA $D017
        LDA 
        STA $D018
        LDA 
        STA $D019
        LDA 
        STA $D01A
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 7 ##################        
 
        STA WSYNC 
   //pre
        LDA #$FF
        STA $D013
        LDA #$FF
        STA $D014
        LDA #$FF
        STA $D015
        LDA #$FF
        STA $D016
        LDA #$FF
        STA $D017
        LDA #$FF
        STA $D018
        LDA #$FF
        STA $D019
        LDA #$FF
        STA $D01A
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 8 ##################        
 
        STA WSYNC 
   //pre
        LDA #$FF
        STA $D012
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 9 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 10 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 11 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 12 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 13 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 14 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 15 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 16 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 17 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 18 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 19 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 20 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 21 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 22 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 23 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 24 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 25 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 26 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 27 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 28 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 29 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 30 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 31 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 32 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 33 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 34 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 35 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 36 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 37 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 38 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 39 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 40 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 41 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 42 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 43 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 44 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 45 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 46 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 47 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 48 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 49 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
 //################ 50 ##################        
 
        STA WSYNC 
   //pre
   //post
        
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
   //pre2
        STA WSYNC
   //post2
 
