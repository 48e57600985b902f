<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name>CARBONIC</name>
    <message>
        <source>Carbonic</source>
        <translation>Ανθρακικό οξύ</translation>
    </message>
    <message>
        <source>&lt;Back</source>
        <translation>&lt;Πίσω</translation>
    </message>
    <message>
        <source>Next&gt;</source>
        <translation>Επόμενο&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Temperature  = </source>
        <translation>Θερμοκρασία  = </translation>
    </message>
    <message>
        <source>Duration =</source>
        <translation>Διάρκεια =</translation>
    </message>
    <message>
        <source>mol/L</source>
        <translation>mol/L</translation>
    </message>
    <message>
        <source>Number of Atoms = </source>
        <translation>Αριθμός ατόμων = </translation>
    </message>
    <message>
        <source>%1 blue A, %2 green B, %3 red C, %4 cyan D</source>
        <translation>%1 μπλε (A), %2 πράσινες (B), %3 κόκκινες (C), %4 κυανές (D)</translation>
    </message>
    <message>
        <source>blue A</source>
        <translation>μπλε A</translation>
    </message>
    <message>
        <source>green B</source>
        <translation>πράσινο B</translation>
    </message>
    <message>
        <source>red C</source>
        <translation>κόκκινο C</translation>
    </message>
    <message>
        <source>cyan D</source>
        <translation>κυανό D</translation>
    </message>
    <message>
        <source>dark blue A</source>
        <translation>σκούρο μπλε A</translation>
    </message>
    <message>
        <source>dark green B</source>
        <translation>σκούρο πράσινο B</translation>
    </message>
    <message>
        <source>dark red C</source>
        <translation>σκούρο κόκκινο C</translation>
    </message>
    <message>
        <source>dark cyan D</source>
        <translation>σκούρο κυανό D</translation>
    </message>
    <message>
        <source>concentration, 0 to %1 mol/L</source>
        <translation>συγκέντρωση, 0 έως %1 mol/L</translation>
    </message>
    <message>
        <source>number of atoms N, 0 to %1</source>
        <translation>αριθμός ατόμων N, 0 έως %1</translation>
    </message>
    <message>
        <source>Amounts against time. Across: time, 0 to %1. Up: %2. Points: %3.</source>
        <translation>Ποσότητες ως προς τον χρόνο. Οριζόντια: χρόνος, 0 έως %1. Κατακόρυφα: %2. Σημεία: %3.</translation>
    </message>
    <message>
        <source>Smooth curves: %1.</source>
        <translation>Θεωρητικές καμπύλες: %1.</translation>
    </message>
    <message>
        <source>At time %1: %2.</source>
        <translation>Τη χρονική στιγμή %1: %2.</translation>
    </message>
    <message>
        <source>%1 %2 mol/L</source>
        <translation>%1 %2 mol/L</translation>
    </message>
    <message>
        <source>%1 %2 atoms</source>
        <translation>%1 %2 άτομα</translation>
    </message>
</context>
<context>
    <name>Driver</name>
    <message>
        <source>no window %1</source>
        <translation>δεν υπάρχει παράθυρο %1</translation>
    </message>
    <message>
        <source>malformed name &apos;%1&apos; (expected WINDOW.CONTROL[.PROPERTY])</source>
        <translation>λανθασμένο όνομα &apos;%1&apos; (αναμενόταν WINDOW.CONTROL[.PROPERTY])</translation>
    </message>
    <message>
        <source>no control %1 on window %2</source>
        <translation>δεν υπάρχει στοιχείο %1 στο παράθυρο %2</translation>
    </message>
    <message>
        <source>timer %1 has no property &apos;%2&apos;</source>
        <translation>ο χρονομετρητής %1 δεν έχει ιδιότητα &apos;%2&apos;</translation>
    </message>
    <message>
        <source>menu item %1 has no property &apos;%2&apos;</source>
        <translation>το στοιχείο μενού %1 δεν έχει ιδιότητα &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 has no value; name a property</source>
        <translation>το %1 δεν έχει τιμή· ονομάστε μια ιδιότητα</translation>
    </message>
    <message>
        <source>%1 has no property &apos;%2&apos;</source>
        <translation>το %1 δεν έχει ιδιότητα &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &apos;%2&apos;</source>
        <translation>%1 πρέπει να είναι ακέραιος αριθμός, όχι &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 must be a number, not &apos;%2&apos;</source>
        <translation>%1 πρέπει να είναι αριθμός, όχι &apos;%2&apos;</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>η εικόνα δεν μπορεί να κωδικοποιηθεί</translation>
    </message>
    <message>
        <source>%1 writes FILE.%2, not &apos;%3&apos;</source>
        <translation>η εντολή %1 γράφει FILE.%2, όχι &apos;%3&apos;</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>αδύνατη η εγγραφή στην τυπική έξοδο: %1</translation>
    </message>
    <message>
        <source>no %1 variable %2</source>
        <translation>δεν υπάρχει μεταβλητή %1 %2</translation>
    </message>
    <message>
        <source>expected %1 = &apos;%2&apos;, got &apos;%3&apos;</source>
        <translation>αναμενόταν %1 = &apos;%2&apos;, βρέθηκε &apos;%3&apos;</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>χρήση: %1</translation>
    </message>
    <message>
        <source>the program has ended; only &apos;expect ended&apos; may follow</source>
        <translation>το πρόγραμμα έχει τερματιστεί· μόνο το &apos;expect ended&apos; μπορεί να ακολουθεί</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>άγνωστη εντολή &apos;%1&apos;</translation>
    </message>
    <message>
        <source>seed must be a whole number, not &apos;%1&apos;</source>
        <translation>το seed πρέπει να είναι ακέραιος αριθμός, όχι &apos;%1&apos;</translation>
    </message>
    <message>
        <source>click needs a control, not &apos;%1&apos;</source>
        <translation>το click χρειάζεται στοιχείο ελέγχου, όχι &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 cannot be clicked</source>
        <translation>το %1 δεν δέχεται κλικ</translation>
    </message>
    <message>
        <source>%1 is not a scroll bar</source>
        <translation>το %1 δεν είναι γραμμή κύλισης</translation>
    </message>
    <message>
        <source>the value</source>
        <translation>η τιμή</translation>
    </message>
    <message>
        <source>%1 is not a check box</source>
        <translation>το %1 δεν είναι πλαίσιο ελέγχου</translation>
    </message>
    <message>
        <source>a check box takes 0 or 1, not %1</source>
        <translation>ένα πλαίσιο ελέγχου δέχεται 0 ή 1, όχι %1</translation>
    </message>
    <message>
        <source>the count</source>
        <translation>το πλήθος</translation>
    </message>
    <message>
        <source>the count must not be negative, not %1</source>
        <translation>το πλήθος δεν μπορεί να είναι αρνητικό, όχι %1</translation>
    </message>
    <message>
        <source>the run did not end within %1 ticks</source>
        <translation>η προσομοίωση δεν τελείωσε μέσα σε %1 βήματα του χρονομέτρου</translation>
    </message>
    <message>
        <source>the time</source>
        <translation>ο χρόνος</translation>
    </message>
    <message>
        <source>the time must be from 0 to %1 ms (an hour), not %2</source>
        <translation>ο χρόνος πρέπει να είναι από 0 έως %1 ms (μία ώρα), όχι %2</translation>
    </message>
    <message>
        <source>usage: expect NAME TEXT | expect visible WINDOW... | expect ended</source>
        <translation>χρήση: expect NAME TEXT | expect visible WINDOW... | expect ended</translation>
    </message>
    <message>
        <source>expected the program to have ended, but it runs</source>
        <translation>αναμενόταν να έχει τερματιστεί το πρόγραμμα, αλλά εκτελείται</translation>
    </message>
    <message>
        <source>expected visible &apos;%1&apos;, got &apos;%2&apos;</source>
        <translation>αναμενόταν ορατά &apos;%1&apos;, βρέθηκαν &apos;%2&apos;</translation>
    </message>
    <message>
        <source>usage: expect NAME TEXT</source>
        <translation>χρήση: expect NAME TEXT</translation>
    </message>
    <message>
        <source>the tolerance</source>
        <translation>η ανοχή</translation>
    </message>
    <message>
        <source>the value must be a finite number, not &apos;%1&apos;</source>
        <translation>η τιμή πρέπει να είναι πεπερασμένος αριθμός, όχι &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the tolerance must be a finite number of 0 or more, not &apos;%1&apos;</source>
        <translation>η ανοχή πρέπει να είναι πεπερασμένος αριθμός, 0 ή μεγαλύτερος, όχι &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 = &apos;%2&apos; is not a number</source>
        <translation>%1 = &apos;%2&apos; δεν είναι αριθμός</translation>
    </message>
    <message>
        <source>expected %1 = %2 within %3, got %4</source>
        <translation>αναμενόταν %1 = %2 με ανοχή %3, βρέθηκε %4</translation>
    </message>
    <message>
        <source>%1 has no drawing to save</source>
        <translation>το %1 δεν έχει σχέδιο για αποθήκευση</translation>
    </message>
    <message>
        <source>the output failed</source>
        <translation>η έξοδος απέτυχε</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>αδύνατη η εγγραφή του %1: %2</translation>
    </message>
    <message>
        <source>it is closed</source>
        <translation>είναι κλειστό</translation>
    </message>
    <message>
        <source>from %1x%2 to %3x%4</source>
        <translation>από %1x%2 έως %3x%4</translation>
    </message>
    <message>
        <source>--screen takes WxH in pixels, for example 1366x768, not &apos;%1&apos;</source>
        <translation>το --screen δέχεται WxH σε pixel, για παράδειγμα 1366x768, όχι &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--screen %1 is not a display&apos;s size; it takes %2</source>
        <translation>το --screen %1 δεν είναι μέγεθος οθόνης· δέχεται %2</translation>
    </message>
    <message>
        <source>from standard input</source>
        <translation>από την τυπική είσοδο</translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation>αδύνατη η ανάγνωση του σεναρίου %1: %2</translation>
    </message>
    <message>
        <source>it is longer than %1 MiB</source>
        <translation>είναι μεγαλύτερο από %1 MiB</translation>
    </message>
    <message>
        <source>--screen needs WxH, for example 1366x768</source>
        <translation>το --screen χρειάζεται WxH, για παράδειγμα 1366x768</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; %2</source>
        <translation>άγνωστη επιλογή &apos;%1&apos;· %2</translation>
    </message>
    <message>
        <source>one script only; %1</source>
        <translation>μόνο ένα σενάριο· %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>γραμμή %1: %2</translation>
    </message>
    <message>
        <source>start it in a desktop session, or without --show to drive the windows offscreen</source>
        <translation>ξεκινήστε το μέσα σε συνεδρία επιφάνειας εργασίας, ή χωρίς το --show για να οδηγήσει τα παράθυρα εκτός οθόνης</translation>
    </message>
    <message>
        <source>the count must be %1 to %2, not %3</source>
        <translation>το πλήθος πρέπει να είναι από %1 έως %2, όχι %3</translation>
    </message>
    <message>
        <source>the run gives no measurement %1</source>
        <translation>η προσομοίωση δεν δίνει μέτρηση %1</translation>
    </message>
    <message>
        <source>%1 has no reading cursor</source>
        <translation>το %1 δεν έχει δρομέα ανάγνωσης</translation>
    </message>
    <message>
        <source>the place</source>
        <translation>η θέση</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not for lessons: a lesson writes no file and prints nothing</source>
        <translation>το &apos;%1&apos; δεν είναι για μαθήματα: ένα μάθημα δεν γράφει αρχεία και δεν τυπώνει τίποτα</translation>
    </message>
    <message>
        <source>a step needs a control, not &apos;%1&apos;</source>
        <translation>ένα βήμα χρειάζεται στοιχείο ελέγχου, όχι &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value: only a scroll bar or a check box is set</source>
        <translation>το %1 δεν παίρνει τιμή: τιμή παίρνει μόνο μια γραμμή κύλισης ή ένα πλαίσιο ελέγχου</translation>
    </message>
    <message>
        <source>%1 cannot be clicked or set</source>
        <translation>το %1 δεν δέχεται ούτε κλικ ούτε τιμή</translation>
    </message>
    <message>
        <source>%1 is not on the screen: a lesson moves only what the student sees</source>
        <translation>το %1 δεν φαίνεται στην οθόνη: ένα μάθημα αλλάζει μόνο ό,τι βλέπει ο μαθητής</translation>
    </message>
    <message>
        <source>%1 goes from %2 to %3, not to %4</source>
        <translation>το %1 παίρνει τιμές από %2 έως %3, όχι %4</translation>
    </message>
    <message>
        <source>usage: type WINDOW.BOX TEXT</source>
        <translation>χρήση: type WINDOW.BOX TEXT</translation>
    </message>
    <message>
        <source>%1 is not a box to write in</source>
        <translation>το %1 δεν είναι πλαίσιο για γράψιμο</translation>
    </message>
</context>
<context>
    <name>GNOSTED</name>
    <message>
        <source>Example of Radioactive Reaction</source>
        <translation>Παράδειγμα ραδιενεργού διάσπασης</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Επόμενο &gt;</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Πίσω</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>You can change the number of the atoms N of the Po   :</source>
        <translation>Μπορείτε να αλλάξετε τον αριθμό N των ατόμων του Po   :</translation>
    </message>
    <message>
        <source>Number  of atoms of Po</source>
        <translation>Αριθμός  ατόμων Po</translation>
    </message>
    <message>
        <source>Duration of the run:</source>
        <translation>Διάρκεια της προσομοίωσης:</translation>
    </message>
    <message>
        <source>Number of atoms of Po       = </source>
        <translation>Αριθμός ατόμων Po       = </translation>
    </message>
    <message>
        <source>Half Life for Po=</source>
        <translation>Χρόνος ημιζωής Po=</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Half Life for Pb=</source>
        <translation>Χρόνος ημιζωής Pb=</translation>
    </message>
    <message>
        <source>Half Life for Bi=</source>
        <translation>Χρόνος ημιζωής Bi=</translation>
    </message>
    <message>
        <source>Half Life for Pb  is 22 years</source>
        <translation>Χρόνος ημιζωής Pb  = 22 έτη</translation>
    </message>
    <message>
        <source>Half Life for </source>
        <translation>Χρόνος ημιζωής </translation>
    </message>
    <message>
        <source>Half Life1=</source>
        <translation>Χρόνος ημιζωής 1=</translation>
    </message>
    <message>
        <source>Half Life2=</source>
        <translation>Χρόνος ημιζωής 2=</translation>
    </message>
    <message>
        <source>Half Life=</source>
        <translation>Χρόνος ημιζωής=</translation>
    </message>
    <message>
        <source>The arrow %1 -&gt; %2</source>
        <translation>Το βέλος %1 -&gt; %2</translation>
    </message>
</context>
<context>
    <name>GraphMarks</name>
    <message>
        <source>Carbonic</source>
        <translation>Ανθρακικό οξύ</translation>
    </message>
    <message>
        <source>ARSENIC</source>
        <translation>Αρσενικικό οξύ</translation>
    </message>
    <message>
        <source>PHOSPHORIC</source>
        <translation>Φωσφορικό οξύ</translation>
    </message>
    <message>
        <source>PHOSPHORIC ACID</source>
        <translation>Φωσφορικό οξύ</translation>
    </message>
    <message>
        <source>PHYROPHOSPHORIC</source>
        <translation>Πυροφωσφορικό οξύ</translation>
    </message>
    <message>
        <source>HYPERPHOSPHORIC</source>
        <translation>Πυροφωσφορικό οξύ</translation>
    </message>
</context>
<context>
    <name>OXEA1</name>
    <message>
        <source>EXAMPLES</source>
        <translation>ΠΑΡΑΔΕΙΓΜΑΤΑ</translation>
    </message>
    <message>
        <source>Carbonic Acid</source>
        <translation>Ανθρακικό οξύ</translation>
    </message>
    <message>
        <source>PHOSPHORIC</source>
        <translation>Φωσφορικό</translation>
    </message>
    <message>
        <source>ARSENIC</source>
        <translation>Αρσενικικό</translation>
    </message>
    <message>
        <source>PYROPHOSPHORIC</source>
        <translation>Πυροφωσφορικό</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Choose duration of the reaction</source>
        <translation>Διάρκεια της αντίδρασης</translation>
    </message>
    <message>
        <source>Συγκέντρωση = </source>
        <translation>Συγκέντρωση = </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Carbonic acid in water</source>
        <translation>Ανθρακικό οξύ στο νερό</translation>
    </message>
    <message>
        <source>blue: H₂CO₃   green: HCO₃⁻   red: CO₃²⁻</source>
        <translation>μπλε: H₂CO₃   πράσινο: HCO₃⁻   κόκκινο: CO₃²⁻</translation>
    </message>
    <message>
        <source>Carbonic acid in water: H2CO3, the blue spot, is in equilibrium (Ka1) with H+ + HCO3-, the green spot, which is in equilibrium (Ka2) with 2H+ + CO3 2-, the red spot. Ka1 = [H+][HCO3-] / [H2CO3]; Ka2 = [H+][CO3 2-] / [HCO3-].</source>
        <translation>Ανθρακικό οξύ σε νερό: το H2CO3, η μπλε κουκκίδα, βρίσκεται σε ισορροπία (Ka1) με H+ + HCO3-, την πράσινη κουκκίδα, που βρίσκεται σε ισορροπία (Ka2) με 2H+ + CO3 2-, την κόκκινη κουκκίδα. Ka1 = [H+][HCO3-] / [H2CO3]. Ka2 = [H+][CO3 2-] / [HCO3-].</translation>
    </message>
    <message>
        <source>polonium-218</source>
        <translation>πολώνιο-218</translation>
    </message>
    <message>
        <source>lead-214</source>
        <translation>μόλυβδος-214</translation>
    </message>
    <message>
        <source>bismuth-214</source>
        <translation>βισμούθιο-214</translation>
    </message>
    <message>
        <source>lead-210</source>
        <translation>μόλυβδος-210</translation>
    </message>
    <message>
        <source>Polonium-218 decays by alpha to lead-214, lead-214 by beta to bismuth-214, and bismuth-214 by beta and alpha to lead-210.</source>
        <translation>Το πολώνιο-218 μετατρέπεται με διάσπαση α σε μόλυβδο-214, ο μόλυβδος-214 με διάσπαση β⁻ σε βισμούθιο-214 και το βισμούθιο-214, με διαδοχικές διασπάσεις β⁻ και α, σε μόλυβδο-210.</translation>
    </message>
</context>
<context>
    <name>Simiosi</name>
    <message>
        <source>Notes</source>
        <translation>Σημειώσεις</translation>
    </message>
    <message>
        <source>&lt;div style=&apos;font-family: DejaVu Serif; font-size: 11pt;&apos;&gt;&lt;p&gt;The &lt;b&gt;rate constant&lt;/b&gt; &lt;i&gt;k&lt;/i&gt; relates the rate of a reaction to the concentration of its reactants at a given temperature.&lt;/p&gt;&lt;p&gt;In a reaction where a substance A is transformed into B and the rate depends only on the concentration of A (a first-order reaction), the rate is&lt;/p&gt;&lt;p align=&apos;center&apos;&gt;Rate = &lt;i&gt;k&lt;/i&gt; [A] &amp;nbsp;&amp;nbsp;&amp;nbsp;&amp;nbsp;&amp;nbsp;(1)&lt;/p&gt;&lt;p&gt;where &lt;i&gt;k&lt;/i&gt; is expressed in sec&lt;sup&gt;&amp;minus;1&lt;/sup&gt;.&lt;/p&gt;&lt;p&gt;Putting [A] = 1 in equation (1) gives &lt;i&gt;k&lt;/i&gt; = Rate, so &lt;i&gt;k&lt;/i&gt; expresses how fast A is transformed into B.&lt;/p&gt;&lt;p&gt;The graph you have obtained comes from random transformations of a small number of reactants. The &amp;ldquo;optimization&amp;rdquo; button simulates the process for a very large number of reactants, which is the same as averaging the first process many times.&lt;/p&gt;&lt;p&gt;The &amp;ldquo;change of rate&amp;rdquo; button gives another graph: the rate of the reaction against time.&lt;/p&gt;&lt;/div&gt;</source>
        <translation>&lt;div style=&apos;font-family: DejaVu Serif; font-size: 11pt;&apos;&gt;&lt;p&gt;Η &lt;b&gt;σταθερά ταχύτητας&lt;/b&gt; &lt;i&gt;k&lt;/i&gt; συνδέει την ταχύτητα μιας αντίδρασης με τη συγκέντρωση των αντιδρώντων σε ορισμένη θερμοκρασία.&lt;/p&gt;&lt;p&gt;Σε μια αντίδραση όπου μια ουσία A μετατρέπεται σε B και η ταχύτητα εξαρτάται μόνο από τη συγκέντρωση του A (αντίδραση πρώτης τάξης), η ταχύτητα είναι&lt;/p&gt;&lt;p align=&apos;center&apos;&gt;υ = &lt;i&gt;k&lt;/i&gt; [A] &amp;nbsp;&amp;nbsp;&amp;nbsp;&amp;nbsp;&amp;nbsp;(1)&lt;/p&gt;&lt;p&gt;όπου η &lt;i&gt;k&lt;/i&gt; εκφράζεται σε s&lt;sup&gt;&amp;minus;1&lt;/sup&gt;.&lt;/p&gt;&lt;p&gt;Για [A] = 1 η εξίσωση (1) δίνει &lt;i&gt;k&lt;/i&gt; = υ, άρα η &lt;i&gt;k&lt;/i&gt; εκφράζει πόσο γρήγορα μετατρέπεται το A σε B.&lt;/p&gt;&lt;p&gt;Το γράφημα που πήρατε προέρχεται από τυχαίες μετατροπές ενός μικρού αριθμού σωματιδίων. Η επιλογή &amp;laquo;Θεωρητικές καμπύλες&amp;raquo; του μενού προσομοιώνει τη διεργασία για πολύ μεγάλο αριθμό σωματιδίων, που ισοδυναμεί με τον μέσο όρο πολλών επαναλήψεων της πρώτης διεργασίας.&lt;/p&gt;&lt;p&gt;Η επιλογή &amp;laquo;Ρυθμοί μεταβολής&amp;raquo; δίνει ένα άλλο γράφημα: τον ρυθμό μεταβολής κάθε ποσότητας σε συνάρτηση με τον χρόνο.&lt;/p&gt;&lt;/div&gt;</translation>
    </message>
</context>
<context>
    <name>YPOTHDIASPASI</name>
    <message>
        <source>Your Model</source>
        <translation>Το μοντέλο σας</translation>
    </message>
    <message>
        <source>Choose the number os steps of the decay:</source>
        <translation>Επιλέξτε τον αριθμό των βημάτων της διάσπασης:</translation>
    </message>
    <message>
        <source>1 Step</source>
        <translation>1 βήμα</translation>
    </message>
    <message>
        <source>2 Steps</source>
        <translation>2 βήματα</translation>
    </message>
    <message>
        <source>3 Steps</source>
        <translation>3 βήματα</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt;Πίσω</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Επόμενο &gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>A, the blue spots</source>
        <translation>A, οι μπλε κουκκίδες</translation>
    </message>
    <message>
        <source>B, the green spots</source>
        <translation>B, οι πράσινες κουκκίδες</translation>
    </message>
    <message>
        <source>C, the red spots</source>
        <translation>C, οι κόκκινες κουκκίδες</translation>
    </message>
    <message>
        <source>D, the cyan spots</source>
        <translation>D, οι κυανές κουκκίδες</translation>
    </message>
    <message>
        <source>The arrow %1 -&gt; %2</source>
        <translation>Το βέλος %1 -&gt; %2</translation>
    </message>
</context>
<context>
    <name>YPOTHDIASPASI1</name>
    <message>
        <source>RATES OF DECAY</source>
        <translation>ΣΤΑΘΕΡΕΣ ΔΙΑΣΠΑΣΗΣ</translation>
    </message>
    <message>
        <source>Make your choices about the rate of the decay</source>
        <translation>Επιλέξτε τους χρόνους ημιζωής της διάσπασης</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Πίσω</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Επόμενο &gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Half Life for green= </source>
        <translation>Χρόνος ημιζωής πράσινου= </translation>
    </message>
    <message>
        <source>Half Life for red= </source>
        <translation>Χρόνος ημιζωής κόκκινου= </translation>
    </message>
    <message>
        <source>Half Life for blue= </source>
        <translation>Χρόνος ημιζωής μπλε= </translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
</context>
<context>
    <name>YPOTHETIKES</name>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>&#x202f;s</translation>
    </message>
    <message>
        <source>Your Model of a Chemical Reaction</source>
        <translation>Το μοντέλο σας για μια χημική αντίδραση</translation>
    </message>
    <message>
        <source>Next&gt;</source>
        <translation>Επόμενο&gt;</translation>
    </message>
    <message>
        <source>&lt;Back</source>
        <translation>&lt;Πίσω</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Make your choices about the rate of  the reaction:</source>
        <translation>Επιλέξτε τις σταθερές ταχύτητας της αντίδρασης:</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Θερμοκρασία</translation>
    </message>
    <message>
        <source>Initial concentration of A</source>
        <translation>Αρχική συγκέντρωση του A</translation>
    </message>
</context>
<context>
    <name>amfinaioxi</name>
    <message>
        <source>REVERSIBLE - NON REVERSIBLE</source>
        <translation>ΑΜΦΙΔΡΟΜΗ - ΜΟΝΟΔΡΟΜΗ</translation>
    </message>
    <message>
        <source>Reversible</source>
        <translation>Αμφίδρομη</translation>
    </message>
    <message>
        <source>Non reversible</source>
        <translation>Μονόδρομη</translation>
    </message>
    <message>
        <source>&lt;Back</source>
        <translation>&lt;Πίσω</translation>
    </message>
    <message>
        <source>Next&gt;</source>
        <translation>Επόμενο&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
</context>
<context>
    <name>antidrasi</name>
    <message>
        <source>Spots&apos; Representation</source>
        <translation>Αναπαράσταση με κουκκίδες</translation>
    </message>
</context>
<context>
    <name>apotelesmata</name>
    <message>
        <source>Controls</source>
        <translation>Έλεγχος προσομοίωσης</translation>
    </message>
    <message>
        <source>Preset Parameteres     An Example</source>
        <translation>Παράδειγμα με έτοιμες παραμέτρους</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>New Adjustment of the parameters</source>
        <translation>Νέα ρύθμιση των παραμέτρων</translation>
    </message>
    <message>
        <source>The parameters of the reaction you have chosen are:</source>
        <translation>Οι παράμετροι που επιλέξατε είναι:</translation>
    </message>
    <message>
        <source>Save Counts As...</source>
        <translation>Αποθήκευση μετρήσεων ως...</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Πίνακας CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 = %2 min-1</source>
        <translation>%1 = %2 min-1</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>The run has ended.</source>
        <translation>Η προσομοίωση τελείωσε.</translation>
    </message>
    <message>
        <source>The run starts.</source>
        <translation>Η προσομοίωση ξεκινά.</translation>
    </message>
</context>
<context>
    <name>carbonic2</name>
    <message>
        <source>&lt;div style=&apos;font-family: DejaVu Serif; font-size: 10pt;&apos;&gt;&lt;p&gt;Carbonic acid gives up its two hydrogen ions one after the other:&lt;/p&gt;&lt;p align=&apos;center&apos;&gt;H&lt;sub&gt;2&lt;/sub&gt;CO&lt;sub&gt;3&lt;/sub&gt; &amp;#8652; H&lt;sup&gt;+&lt;/sup&gt; + HCO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;&amp;minus;&lt;/sup&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;K&lt;sub&gt;a1&lt;/sub&gt; = [H&lt;sup&gt;+&lt;/sup&gt;][HCO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;&amp;minus;&lt;/sup&gt;] / [H&lt;sub&gt;2&lt;/sub&gt;CO&lt;sub&gt;3&lt;/sub&gt;]&lt;/p&gt;&lt;p align=&apos;center&apos;&gt;HCO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;&amp;minus;&lt;/sup&gt; &amp;#8652; H&lt;sup&gt;+&lt;/sup&gt; + CO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;2&amp;minus;&lt;/sup&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;K&lt;sub&gt;a2&lt;/sub&gt; = [H&lt;sup&gt;+&lt;/sup&gt;][CO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;2&amp;minus;&lt;/sup&gt;] / [HCO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;&amp;minus;&lt;/sup&gt;]&lt;/p&gt;&lt;p&gt;K&lt;sub&gt;a1&lt;/sub&gt; (about 4&amp;times;10&lt;sup&gt;&amp;minus;7&lt;/sup&gt; at 25&amp;nbsp;&amp;deg;C) grows with the temperature; K&lt;sub&gt;a2&lt;/sub&gt; is some ten thousand times smaller. The program finds [H&lt;sup&gt;+&lt;/sup&gt;] from the concentration and both constants, together with the ions of water.&lt;/p&gt;&lt;p&gt;On the lattice the blue spots are H&lt;sub&gt;2&lt;/sub&gt;CO&lt;sub&gt;3&lt;/sub&gt;, the green HCO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;&amp;minus;&lt;/sup&gt; and the red CO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;2&amp;minus;&lt;/sup&gt;. The rates k&lt;sub&gt;1&lt;/sub&gt; (blue to green) and k&lt;sub&gt;2&lt;/sub&gt; (green to blue) stand in the ratio K&lt;sub&gt;a1&lt;/sub&gt; / [H&lt;sup&gt;+&lt;/sup&gt;], k&lt;sub&gt;3&lt;/sub&gt; (green to red) and k&lt;sub&gt;4&lt;/sub&gt; (red to green) in the ratio K&lt;sub&gt;a2&lt;/sub&gt; / [H&lt;sup&gt;+&lt;/sup&gt;]; each pair adds up to the temperature factor. So the spots settle at the equilibrium ratios of the acid.&lt;/p&gt;&lt;/div&gt;</source>
        <translation>&lt;div style=&apos;font-family: DejaVu Serif; font-size: 10pt;&apos;&gt;&lt;p&gt;Το ανθρακικό οξύ ιοντίζεται σε δύο στάδια:&lt;/p&gt;&lt;p align=&apos;center&apos;&gt;H&lt;sub&gt;2&lt;/sub&gt;CO&lt;sub&gt;3&lt;/sub&gt; &amp;#8652; H&lt;sup&gt;+&lt;/sup&gt; + HCO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;&amp;minus;&lt;/sup&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;K&lt;sub&gt;a1&lt;/sub&gt; = [H&lt;sup&gt;+&lt;/sup&gt;][HCO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;&amp;minus;&lt;/sup&gt;] / [H&lt;sub&gt;2&lt;/sub&gt;CO&lt;sub&gt;3&lt;/sub&gt;]&lt;/p&gt;&lt;p align=&apos;center&apos;&gt;HCO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;&amp;minus;&lt;/sup&gt; &amp;#8652; H&lt;sup&gt;+&lt;/sup&gt; + CO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;2&amp;minus;&lt;/sup&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp;K&lt;sub&gt;a2&lt;/sub&gt; = [H&lt;sup&gt;+&lt;/sup&gt;][CO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;2&amp;minus;&lt;/sup&gt;] / [HCO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;&amp;minus;&lt;/sup&gt;]&lt;/p&gt;&lt;p&gt;Η σταθερά ιοντισμού K&lt;sub&gt;a1&lt;/sub&gt; (περίπου 4&amp;times;10&lt;sup&gt;&amp;minus;7&lt;/sup&gt; στους 25&amp;nbsp;&amp;deg;C) αυξάνεται με τη θερμοκρασία· η K&lt;sub&gt;a2&lt;/sub&gt; είναι περίπου δέκα χιλιάδες φορές μικρότερη. Το πρόγραμμα βρίσκει τη [H&lt;sup&gt;+&lt;/sup&gt;] από τη συγκέντρωση και τις δύο σταθερές, λαμβάνοντας υπόψη και τον ιοντισμό του νερού.&lt;/p&gt;&lt;p&gt;Στο πλέγμα οι μπλε κουκκίδες είναι H&lt;sub&gt;2&lt;/sub&gt;CO&lt;sub&gt;3&lt;/sub&gt;, οι πράσινες HCO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;&amp;minus;&lt;/sup&gt; και οι κόκκινες CO&lt;sub&gt;3&lt;/sub&gt;&lt;sup&gt;2&amp;minus;&lt;/sup&gt;. Οι σταθερές ταχύτητας k&lt;sub&gt;1&lt;/sub&gt; (από μπλε σε πράσινο) και k&lt;sub&gt;2&lt;/sub&gt; (από πράσινο σε μπλε) έχουν λόγο K&lt;sub&gt;a1&lt;/sub&gt; / [H&lt;sup&gt;+&lt;/sup&gt;], οι k&lt;sub&gt;3&lt;/sub&gt; (από πράσινο σε κόκκινο) και k&lt;sub&gt;4&lt;/sub&gt; (από κόκκινο σε πράσινο) λόγο K&lt;sub&gt;a2&lt;/sub&gt; / [H&lt;sup&gt;+&lt;/sup&gt;]· κάθε ζεύγος έχει άθροισμα τον παράγοντα θερμοκρασίας. Έτσι οι κουκκίδες καταλήγουν στις αναλογίες ισορροπίας του οξέος.&lt;/p&gt;&lt;/div&gt;</translation>
    </message>
    <message>
        <source>Form1</source>
        <translation>Ανθρακικό οξύ: συνθήκες</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Συγκέντρωση</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Θερμοκρασία</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Έξοδος</translation>
    </message>
</context>
<context>
    <name>eisagogi</name>
    <message>
        <source>CHOICES</source>
        <translation>ΕΠΙΛΟΓΕΣ</translation>
    </message>
    <message>
        <source>Chemical Reactions</source>
        <translation>Χημικές αντιδράσεις</translation>
    </message>
    <message>
        <source>Radioactive Decays</source>
        <translation>Ραδιενεργοί διασπάσεις</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ΕΞΟΔΟΣ</translation>
    </message>
    <message>
        <source>This Software will give you the opportunity to study</source>
        <translation>Αυτό το λογισμικό σάς δίνει την ευκαιρία να μελετήσετε</translation>
    </message>
    <message>
        <source>1. The kinetics of a reaction where a substance A is transformed into another B. Substance B could have the possibility (if you want to) to be transformed into a third C. All these transformations could be reversible  or not</source>
        <translation>1. Την κινητική μιας αντίδρασης στην οποία μια ουσία A μετατρέπεται σε μια άλλη ουσία B. Η ουσία B μπορεί (αν το θέλετε) να μετατρέπεται σε μια τρίτη ουσία C. Όλες αυτές οι μετατροπές μπορεί να είναι αμφίδρομες ή μονόδρομες</translation>
    </message>
    <message>
        <source>2. A radioactive decay or a radioactive series up to four steps.</source>
        <translation>2. Μια ραδιενεργό διάσπαση ή μια ραδιενεργό σειρά έως τριών βημάτων.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Επιλέξτε</translation>
    </message>
</context>
<context>
    <name>eisodos</name>
    <message>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>KINETICS of CHEMICAL REACTIONS</source>
        <translation>ΚΙΝΗΤΙΚΗ ΤΩΝ ΧΗΜΙΚΩΝ ΑΝΤΙΔΡΑΣΕΩΝ</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ΚΑΙ</translation>
    </message>
    <message>
        <source> RADIOACTIVE DECAYS</source>
        <translation> ΡΑΔΙΕΝΕΡΓΟΙ ΔΙΑΣΠΑΣΕΙΣ</translation>
    </message>
    <message>
        <source>by the spotsim developers</source>
        <translation>από τους δημιουργούς του spotsim</translation>
    </message>
    <message>
        <source>Lessons...</source>
        <translation>Μαθήματα...</translation>
    </message>
    <message>
        <source>This lesson cannot be played: %1</source>
        <translation>Αυτό το μάθημα δεν μπορεί να παιχτεί: %1</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Μαθήματα</translation>
    </message>
    <message>
        <source>Other Lesson File...</source>
        <translation>Άλλο αρχείο μαθήματος...</translation>
    </message>
    <message>
        <source>Open a Lesson</source>
        <translation>Άνοιγμα μαθήματος</translation>
    </message>
    <message>
        <source>spotsim lessons (*.spotsim-lesson);;All files (*)</source>
        <translation>Μαθήματα του spotsim (*.spotsim-lesson);;Όλα τα αρχεία (*)</translation>
    </message>
</context>
<context>
    <name>grafiki1</name>
    <message>
        <source>Graphs</source>
        <translation>Γραφήματα</translation>
    </message>
    <message>
        <source>Erase Previous Graphs</source>
        <translation>Διαγραφή παλιών</translation>
    </message>
    <message>
        <source>%1 Times</source>
        <translation>%1 φορές</translation>
    </message>
    <message>
        <source>Repeat the Run...</source>
        <translation>Επανάληψη της προσομοίωσης...</translation>
    </message>
    <message>
        <source>Run the last run again many times and show the spread of the copies</source>
        <translation>Εκτελεί ξανά την τελευταία προσομοίωση πολλές φορές και δείχνει πόσο διαφέρουν μεταξύ τους οι επαναλήψεις</translation>
    </message>
    <message>
        <source>Stop Repeating</source>
        <translation>Διακοπή επαναλήψεων</translation>
    </message>
    <message>
        <source>Stop the copies of the run</source>
        <translation>Σταματά τις επαναλήψεις της προσομοίωσης</translation>
    </message>
    <message>
        <source>Repeating the run: %1 of %2 done (Escape stops it)</source>
        <translation>Επανάληψη της προσομοίωσης: %1 από %2 (το Escape τη σταματά)</translation>
    </message>
    <message>
        <source>mol/L</source>
        <translation>mol/L</translation>
    </message>
    <message>
        <source>A run is repeated once it has ended</source>
        <translation>Μια προσομοίωση επαναλαμβάνεται αφού τελειώσει</translation>
    </message>
    <message>
        <source>Repeating the run: 0 of %1 done (Escape stops it)</source>
        <translation>Επανάληψη της προσομοίωσης: 0 από %1 (το Escape τη σταματά)</translation>
    </message>
    <message>
        <source>The repeats were stopped</source>
        <translation>Οι επαναλήψεις σταμάτησαν</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Θεωρητικές καμπύλες</translation>
    </message>
    <message>
        <source>Half Lifes</source>
        <translation>Χρόνοι ημιζωής</translation>
    </message>
    <message>
        <source>Change of Rates</source>
        <translation>Ρυθμοί μεταβολής</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>The prediction for the coming run: press Start to run it</source>
        <translation>Η πρόβλεψη για την επόμενη προσομοίωση: πατήστε «Έναρξη» για να την εκτελέσετε</translation>
    </message>
    <message>
        <source>%1 runs: with every rate zero no spot changes, so there is nothing random to compare</source>
        <translation>%1 προσομοιώσεις: με όλες τις σταθερές ταχύτητας μηδέν καμία κουκκίδα δεν αλλάζει, άρα δεν υπάρχει τίποτα τυχαίο για σύγκριση</translation>
    </message>
    <message>
        <source>The run is being repeated already (Escape stops it)</source>
        <translation>Η προσομοίωση επαναλαμβάνεται ήδη (το Escape τη σταματά)</translation>
    </message>
    <message>
        <source>%1 runs: their mean stays within the expected wobble of the theory</source>
        <translation>%1 προσομοιώσεις: ο μέσος όρος τους μένει μέσα στις αναμενόμενες διακυμάνσεις της θεωρίας</translation>
    </message>
    <message>
        <source>%1 runs: their mean strays from the theory by more than chance explains</source>
        <translation>%1 προσομοιώσεις: ο μέσος όρος τους απομακρύνεται από τη θεωρία περισσότερο απ&apos; όσο εξηγεί η τύχη</translation>
    </message>
    <message>
        <source>The mean is at most %1 standard errors from the smooth curves (%2, t = %3); the spread is %4 times the one the event rule predicts</source>
        <translation>Ο μέσος όρος απέχει το πολύ %1 τυπικά σφάλματα από τις θεωρητικές καμπύλες (%2, t = %3)· η τυπική απόκλιση είναι %4 φορές αυτή που προβλέπει ο κανόνας των γεγονότων</translation>
    </message>
    <message>
        <source>The oldest runs are no longer shown: the graph keeps the latest %1</source>
        <translation>Οι παλαιότερες προσομοιώσεις δεν εμφανίζονται πια: το διάγραμμα κρατά τις %1 πιο πρόσφατες</translation>
    </message>
    <message>
        <source>Other Number...</source>
        <translation>Άλλος αριθμός...</translation>
    </message>
    <message>
        <source>Repeat the Run</source>
        <translation>Επανάληψη της προσομοίωσης</translation>
    </message>
    <message>
        <source>How many copies of the run, from %1 to %2:</source>
        <translation>Πόσες φορές να επαναληφθεί η προσομοίωση, από %1 έως %2:</translation>
    </message>
    <message>
        <source>Distribution of the Copies...</source>
        <translation>Κατανομή των επαναλήψεων...</translation>
    </message>
    <message>
        <source>How the copies of the repeated run spread, against what the event rule predicts</source>
        <translation>Πώς κατανέμονται οι επαναλήψεις της προσομοίωσης, σε σύγκριση με όσα προβλέπει ο κανόνας των γεγονότων</translation>
    </message>
    <message>
        <source>Save the Copies&apos; Counts As...</source>
        <translation>Αποθήκευση μετρήσεων των επαναλήψεων ως...</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Πίνακας CSV (*.csv)</translation>
    </message>
    <message>
        <source>Repeat the run first: the distribution is that of its copies</source>
        <translation>Επαναλάβετε πρώτα την προσομοίωση: η κατανομή είναι των επαναλήψεών της</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Μετρήσεις</translation>
    </message>
    <message>
        <source>t = %1, in mol/L</source>
        <translation>t = %1, σε mol/L</translation>
    </message>
    <message>
        <source>t = %1, in atoms</source>
        <translation>t = %1, σε άτομα</translation>
    </message>
    <message>
        <source>smooth %1</source>
        <translation>θεωρητική %1</translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation>μέσος όρος %1</translation>
    </message>
</context>
<context>
    <name>grafvxc</name>
    <message>
        <source>Concentration of the products</source>
        <translation>Ποσοστά των σωματιδίων του οξέος</translation>
    </message>
    <message>
        <source>pH vs concentration</source>
        <translation>pH - συγκέντρωση</translation>
    </message>
    <message>
        <source>   Mέγιστο =</source>
        <translation>   Μέγιστο =</translation>
    </message>
    <message>
        <source>c (mol/L)</source>
        <translation>c (mol/L)</translation>
    </message>
    <message>
        <source>%1. Across: c (mol/L), 0 to 14. Up: percent of c, 0 to 100. Curves: blue H2A, green HA-, red A2-, yellow H+. The dash-dotted line marks c = %2 mol/L, where H2A is %3 %, HA- %4 %, A2- %5 % and H+ %6 % of c.</source>
        <translation>%1. Οριζόντια: c (mol/L), 0 έως 14. Κατακόρυφα: ποσοστό του c, 0 έως 100. Καμπύλες: μπλε H2A, πράσινη HA-, κόκκινη A2-, κίτρινη H+. Η γραμμή παύλας-τελείας δείχνει c = %2 mol/L, όπου το H2A είναι %3 %, το HA- %4 %, το A2- %5 % και το H+ %6 % του c.</translation>
    </message>
    <message>
        <source>c = %1 mol/L, in % of c</source>
        <translation>c = %1 mol/L, σε % του c</translation>
    </message>
</context>
<context>
    <name>graphs::ReadingCursor</name>
    <message>
        <source>Reading of the graph</source>
        <translation>Ανάγνωση του γραφήματος</translation>
    </message>
</context>
<context>
    <name>katanomi</name>
    <message>
        <source>Distribution of the Copies</source>
        <translation>Κατανομή των επαναλήψεων</translation>
    </message>
    <message>
        <source>Half-life of A</source>
        <translation>Χρόνος ημιζωής του A</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Χρόνος</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>%1 ± %2</source>
        <translation>%1 ± %2</translation>
    </message>
    <message>
        <source>Half-life of A in %1 runs: %2 on average, standard deviation %3</source>
        <translation>Χρόνος ημιζωής του A σε %1 προσομοιώσεις: κατά μέσο όρο %2, τυπική απόκλιση %3</translation>
    </message>
    <message>
        <source>Set half-life: %1 (the red line)</source>
        <translation>Ο χρόνος ημιζωής που ορίστηκε: %1 (η κόκκινη γραμμή)</translation>
    </message>
    <message>
        <source>%1 of the %2 runs kept more than half of A to the end</source>
        <translation>%1 από τις %2 προσομοιώσεις κράτησαν ως το τέλος πάνω από το μισό του A</translation>
    </message>
    <message>
        <source>%1 runs at t = %2: %3 spots of %4 on average, standard deviation %5</source>
        <translation>%1 προσομοιώσεις στο t = %2: κατά μέσο όρο %3 κουκκίδες %4, τυπική απόκλιση %5</translation>
    </message>
    <message>
        <source>The event rule predicts %1 on average, standard deviation %2 (the curve)</source>
        <translation>Ο κανόνας των γεγονότων προβλέπει κατά μέσο όρο %1, τυπική απόκλιση %2 (η καμπύλη)</translation>
    </message>
    <message>
        <source>The event rule predicts %1 on average, standard deviation %2</source>
        <translation>Ο κανόνας των γεγονότων προβλέπει κατά μέσο όρο %1, τυπική απόκλιση %2</translation>
    </message>
    <message>
        <source>Mean of these %1 runs: %2; of the %3 before them: %4</source>
        <translation>Μέσος όρος αυτών των %1 προσομοιώσεων: %2· των %3 προηγούμενων: %4</translation>
    </message>
    <message>
        <source>half-life of A</source>
        <translation>χρόνος ημιζωής του A</translation>
    </message>
    <message>
        <source>spots of %1</source>
        <translation>κουκκίδες %1</translation>
    </message>
    <message>
        <source>runs</source>
        <translation>προσομοιώσεις</translation>
    </message>
</context>
<context>
    <name>lesson</name>
    <message>
        <source>do %1: the value after &apos;=&apos; must be a whole number</source>
        <translation>do %1: η τιμή μετά το &apos;=&apos; πρέπει να είναι ακέραιος αριθμός</translation>
    </message>
    <message>
        <source>do needs a control and a text: do WINDOW.CONTROL[=VALUE] TEXT</source>
        <translation>το do χρειάζεται στοιχείο ελέγχου και κείμενο: do WINDOW.CONTROL[=VALUE] TEXT</translation>
    </message>
    <message>
        <source>do %1 needs a text that tells the student what to do</source>
        <translation>το do %1 χρειάζεται κείμενο που λέει στον μαθητή τι να κάνει</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>η γραμμή δεν είναι κείμενο UTF-8</translation>
    </message>
    <message>
        <source>a line starting with &apos;|&apos; goes on with a say, ask or do line</source>
        <translation>μια γραμμή που αρχίζει με &apos;|&apos; συνεχίζει μια γραμμή say, ask ή do</translation>
    </message>
    <message>
        <source>lang takes en, el or all, not &apos;%1&apos;</source>
        <translation>το lang δέχεται en, el ή all, όχι &apos;%1&apos;</translation>
    </message>
    <message>
        <source>title needs a text</source>
        <translation>το title χρειάζεται κείμενο</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>το %1 χρειάζεται κείμενο</translation>
    </message>
    <message>
        <source>pause takes nothing after it</source>
        <translation>το pause δεν δέχεται τίποτα μετά από αυτό</translation>
    </message>
    <message>
        <source>the lesson has %1 steps in English and %2 in Greek</source>
        <translation>το μάθημα έχει %1 βήματα στα αγγλικά και %2 στα ελληνικά</translation>
    </message>
    <message>
        <source>the lesson has no step: no pause, ask or do</source>
        <translation>το μάθημα δεν έχει κανένα βήμα: κανένα pause, ask ή do</translation>
    </message>
</context>
<context>
    <name>lesson::Player</name>
    <message>
        <source>longer than a lesson can be</source>
        <translation>μεγαλύτερο από όσο μπορεί να είναι ένα μάθημα</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>δεν μπορεί να διαβαστεί: %1</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Μάθημα: %1</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Αρχείο: %1</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Αποθηκεύτηκε: %1</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Ερώτηση %1: %2</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Απάντηση: %1</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Προσομοίωση %1</translation>
    </message>
</context>
<context>
    <name>mathematical</name>
    <message>
        <source>Change of Rates</source>
        <translation>Ρυθμοί μεταβολής</translation>
    </message>
    <message>
        <source>Graphs of concentrations of products vs initial concentration</source>
        <translation>Ποσοστά σωματιδίων – συγκέντρωση</translation>
    </message>
    <message>
        <source>dark blue A</source>
        <translation>σκούρο μπλε A</translation>
    </message>
    <message>
        <source>dark green B</source>
        <translation>σκούρο πράσινο B</translation>
    </message>
    <message>
        <source>dark red C</source>
        <translation>σκούρο κόκκινο C</translation>
    </message>
    <message>
        <source>cyan D</source>
        <translation>κυανό D</translation>
    </message>
    <message>
        <source>Rates of change of the amounts against time. Across: time, 0 to %1. Up: the rate of change, scaled so that A&apos;s rate at the start reaches the axis; above the time axis a kind grows, below it a kind falls. Curves: %2.</source>
        <translation>Ρυθμοί μεταβολής των ποσοτήτων ως προς τον χρόνο. Οριζόντια: χρόνος, 0 έως %1. Κατακόρυφα: ο ρυθμός μεταβολής, σε κλίμακα ώστε ο αρχικός ρυθμός του A να φτάνει τον άξονα· πάνω από τον άξονα του χρόνου ένα είδος αυξάνεται, κάτω από αυτόν μειώνεται. Καμπύλες: %2.</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
</context>
<context>
    <name>mathima</name>
    <message>
        <source>Lesson</source>
        <translation>Μάθημα</translation>
    </message>
    <message>
        <source>Back one step</source>
        <translation>Ένα βήμα πίσω</translation>
    </message>
    <message>
        <source>Save Answers...</source>
        <translation>Αποθήκευση απαντήσεων...</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Συνέχεια</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Αρχείο κειμένου (*.txt)</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Μάθημα: %1</translation>
    </message>
    <message>
        <source>The lesson stopped</source>
        <translation>Το μάθημα σταμάτησε</translation>
    </message>
    <message>
        <source>The end of the lesson</source>
        <translation>Το τέλος του μαθήματος</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Βήμα %1 από %2</translation>
    </message>
    <message>
        <source>The lesson cannot go on. At line %1</source>
        <translation>Το μάθημα δεν μπορεί να συνεχιστεί. Στη γραμμή %1</translation>
    </message>
    <message>
        <source>The lesson is over. Save your answers, or play it again.</source>
        <translation>Το μάθημα τελείωσε. Αποθηκεύστε τις απαντήσεις σας ή παίξτε το ξανά.</translation>
    </message>
    <message>
        <source>The lesson is over. You can play it again.</source>
        <translation>Το μάθημα τελείωσε. Μπορείτε να το παίξετε ξανά.</translation>
    </message>
    <message>
        <source>(The lesson goes on when you have done it.)</source>
        <translation>(Το μάθημα συνεχίζει μόλις το κάνετε.)</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Ξανά από την αρχή</translation>
    </message>
</context>
<context>
    <name>metriseis</name>
    <message>
        <source>%1 ± %2</source>
        <translation>%1 ± %2</translation>
    </message>
    <message>
        <source>Half-life of A</source>
        <translation>Χρόνος ημιζωής του A</translation>
    </message>
    <message>
        <source>the first time A is at or below half its start</source>
        <translation>η πρώτη στιγμή που το A φτάνει στο μισό της αρχικής του τιμής ή κάτω από αυτό</translation>
    </message>
    <message>
        <source>Half-life of A from its constant</source>
        <translation>Χρόνος ημιζωής του A από τη σταθερά του</translation>
    </message>
    <message>
        <source>Constant K1 of A</source>
        <translation>Σταθερά K1 του A</translation>
    </message>
    <message>
        <source>Equilibrium ratio B/A</source>
        <translation>Λόγος ισορροπίας B/A</translation>
    </message>
    <message>
        <source>the mean of B over the mean of A in the last third of the run, t = %1 to %2; set: the ratio of the constants</source>
        <translation>ο μέσος όρος του B διά τον μέσο όρο του A στο τελευταίο τρίτο της προσομοίωσης, t = %1 έως %2· ορισμένη τιμή: ο λόγος των σταθερών</translation>
    </message>
    <message>
        <source>Time of the maximum of B</source>
        <translation>Χρόνος του μεγίστου του B</translation>
    </message>
    <message>
        <source>the top of the parabola through B at t = %1 to %2; set: the smooth curve&apos;s</source>
        <translation>η κορυφή της παραβολής από τις τιμές του B στα t = %1 έως %2· ορισμένη τιμή: της θεωρητικής καμπύλης</translation>
    </message>
    <message>
        <source>Height of the maximum of B (mol/L)</source>
        <translation>Ύψος του μεγίστου του B (mol/L)</translation>
    </message>
    <message>
        <source>Height of the maximum of B (atoms)</source>
        <translation>Ύψος του μεγίστου του B (άτομα)</translation>
    </message>
    <message>
        <source>the same parabola&apos;s height</source>
        <translation>το ύψος της ίδιας παραβολής</translation>
    </message>
    <message>
        <source>%1 at the end (% of the spots)</source>
        <translation>%1 στο τέλος (% των κουκκίδων)</translation>
    </message>
    <message>
        <source>counted at t = %1; set: where the rate equations come to rest</source>
        <translation>μετρημένο στο t = %1· ορισμένη τιμή: εκεί όπου ισορροπούν οι εξισώσεις ταχύτητας</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Μετρήσεις</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>From the run</source>
        <translation>Από την προσομοίωση</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ορισμένη τιμή</translation>
    </message>
    <message>
        <source>How it was read</source>
        <translation>Πώς μετρήθηκε</translation>
    </message>
    <message>
        <source>Half-life of A over the copies</source>
        <translation>Χρόνος ημιζωής του A στις επαναλήψεις</translation>
    </message>
    <message>
        <source>the mean of %1 copies&apos; first times at half, give or take its standard error</source>
        <translation>ο μέσος όρος των πρώτων χρόνων στο μισό %1 επαναλήψεων, με το τυπικό σφάλμα του</translation>
    </message>
    <message>
        <source>Nothing to measure yet: start a run first</source>
        <translation>Τίποτα για μέτρηση ακόμη: ξεκινήστε πρώτα μια προσομοίωση</translation>
    </message>
    <message>
        <source>ln 2 over the slope of the line that gives K1</source>
        <translation>ln 2 διά την κλίση της ευθείας που δίνει το K1</translation>
    </message>
    <message>
        <source>the slope of a least-squares line through ln A against time, from t = %1 to %2, times the %3 time units of a tick</source>
        <translation>η κλίση της ευθείας ελαχίστων τετραγώνων του ln A ως προς τον χρόνο, από t = %1 έως %2, επί τις %3 μονάδες χρόνου ενός βήματος</translation>
    </message>
</context>
<context>
    <name>neaepilogi</name>
    <message>
        <source>NEW CHOICE</source>
        <translation>ΝΕΑ ΕΠΙΛΟΓΗ</translation>
    </message>
    <message>
        <source> 1 step</source>
        <translation> 1 βήμα</translation>
    </message>
    <message>
        <source>2 steps</source>
        <translation>2 βήματα</translation>
    </message>
    <message>
        <source>&lt;Back</source>
        <translation>&lt;Πίσω</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Επόμενο &gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>ACID</source>
        <translation>ΟΞΕΑ</translation>
    </message>
</context>
<context>
    <name>phform</name>
    <message>
        <source>pH vs c</source>
        <translation>pH - c</translation>
    </message>
    <message>
        <source>c (mol/L)</source>
        <translation>c (mol/L)</translation>
    </message>
    <message>
        <source>c = %1 mol/L</source>
        <translation>c = %1 mol/L</translation>
    </message>
    <message>
        <source>pH %1</source>
        <translation>pH %1</translation>
    </message>
    <message>
        <source>%1. Across: c (mol/L), 0 to 15. Up: pH, 0 to 15. The red curve is the pH of the acid at each concentration; the line marks c = %2 mol/L, where the pH is %3.</source>
        <translation>%1. Οριζόντια: c (mol/L), 0 έως 15. Κατακόρυφα: pH, 0 έως 15. Η κόκκινη καμπύλη είναι το pH του οξέος σε κάθε συγκέντρωση· η γραμμή δείχνει c = %2 mol/L, όπου το pH είναι %3.</translation>
    </message>
</context>
<context>
    <name>ravdogram</name>
    <message>
        <source>Bars</source>
        <translation>Ραβδόγραμμα</translation>
    </message>
</context>
<context>
    <name>toolkit</name>
    <message>
        <source>Picture of %1</source>
        <translation>Εικόνα: %1</translation>
    </message>
    <message>
        <source>no program reads from that pipe</source>
        <translation>κανένα πρόγραμμα δεν διαβάζει από αυτή τη σωλήνωση</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>είναι υποδοχή (socket), όχι αρχείο</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>δεν υπάρχει χώρος στον δίσκο</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>εξαντλήθηκε το όριο χώρου στον δίσκο</translation>
    </message>
    <message>
        <source>the file is too large for the disk</source>
        <translation>το αρχείο είναι πολύ μεγάλο για τον δίσκο</translation>
    </message>
    <message>
        <source>no permission to write there</source>
        <translation>δεν υπάρχει άδεια εγγραφής εκεί</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>ο δίσκος είναι μόνο για ανάγνωση</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>είναι φάκελος</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>δεν υπάρχει τέτοιος φάκελος</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>το όνομα είναι πολύ μεγάλο</translation>
    </message>
    <message>
        <source>too many symbolic links</source>
        <translation>υπερβολικά πολλοί συμβολικοί σύνδεσμοι</translation>
    </message>
    <message>
        <source>the reader closed the pipe</source>
        <translation>ο αναγνώστης έκλεισε τη σωλήνωση</translation>
    </message>
    <message>
        <source>it is closed</source>
        <translation>είναι κλειστό</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>ο δίσκος ανέφερε σφάλμα εισόδου/εξόδου</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>δεν δόθηκε όνομα αρχείου</translation>
    </message>
    <message>
        <source>--lang takes el or en, not &apos;%1&apos;</source>
        <translation>το --lang δέχεται el ή en, όχι &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Αποθηκεύτηκε: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Δεν αποθηκεύτηκε το %1: %2</translation>
    </message>
    <message>
        <source>Copy or save the drawing of this window</source>
        <translation>Αντιγραφή ή αποθήκευση του σχεδίου αυτού του παραθύρου</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Αντιγραφή εικόνας</translation>
    </message>
    <message>
        <source>Put the drawing on the clipboard</source>
        <translation>Αντιγράφει το σχέδιο στο πρόχειρο</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Αποθήκευση εικόνας ως...</translation>
    </message>
    <message>
        <source>Save the drawing as a PNG image or an SVG drawing</source>
        <translation>Αποθηκεύει το σχέδιο ως εικόνα PNG ή ως σχέδιο SVG</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Εικόνα PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Σχέδιο SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Αποθήκευση εικόνας ως</translation>
    </message>
    <message>
        <source>QT_SCALE_FACTOR=%1 is not a scale the windows can be laid out at; starting at scale 1</source>
        <translation>το QT_SCALE_FACTOR=%1 δεν είναι κλίμακα στην οποία μπορούν να διαταχθούν τα παράθυρα· εκκίνηση σε κλίμακα 1</translation>
    </message>
    <message>
        <source>this Wayland session has no X server (DISPLAY is not set): the compositor places the windows, so the run windows may overlap instead of sharing the screen in quarters</source>
        <translation>αυτή η συνεδρία Wayland δεν έχει εξυπηρετητή X (η DISPLAY δεν έχει οριστεί): ο συνθέτης τοποθετεί τα παράθυρα, έτσι τα παράθυρα της προσομοίωσης μπορεί να επικαλύπτονται αντί να μοιράζονται την οθόνη σε τέταρτα</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Φάκελος</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Αρχείο %1</translation>
    </message>
    <message>
        <source>start spotsim from the desktop, or with DISPLAY naming a running X server (for example DISPLAY=:0)</source>
        <translation>ξεκινήστε το spotsim από την επιφάνεια εργασίας, ή με τη μεταβλητή DISPLAY να δείχνει έναν εξυπηρετητή X που τρέχει (για παράδειγμα DISPLAY=:0)</translation>
    </message>
    <message>
        <source>DISPLAY is not set and the Wayland compositor&apos;s socket %1 is not there</source>
        <translation>η μεταβλητή DISPLAY δεν έχει οριστεί και η υποδοχή %1 του συνθέτη Wayland δεν υπάρχει</translation>
    </message>
    <message>
        <source>DISPLAY is not set and no Wayland compositor answers on its socket %1</source>
        <translation>η μεταβλητή DISPLAY δεν έχει οριστεί και κανένας συνθέτης Wayland δεν απαντά στην υποδοχή του %1</translation>
    </message>
    <message>
        <source>this Wayland session has no X server (DISPLAY is not set) and Qt&apos;s Wayland platform is not installed (package qt6-wayland)</source>
        <translation>αυτή η συνεδρία Wayland δεν έχει εξυπηρετητή X (η DISPLAY δεν έχει οριστεί) και η πλατφόρμα Wayland του Qt δεν είναι εγκατεστημένη (πακέτο qt6-wayland)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>η μεταβλητή DISPLAY δεν έχει οριστεί</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY %1</source>
        <translation>κανένας εξυπηρετητής X δεν απαντά στην DISPLAY %1</translation>
    </message>
    <message>
        <source>no Wayland compositor answers on its socket %1</source>
        <translation>κανένας συνθέτης Wayland δεν απαντά στην υποδοχή του %1</translation>
    </message>
    <message>
        <source>Qt&apos;s platform %1 found no screen</source>
        <translation>η πλατφόρμα %1 του Qt δε βρήκε οθόνη</translation>
    </message>
    <message>
        <source>no display: %1; %2</source>
        <translation>καμία οθόνη: %1· %2</translation>
    </message>
</context>
</TS>
